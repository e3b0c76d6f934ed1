<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialogClass</name>
    <message>
        <source>About Vorenda</source>
        <translation>Über Vorenda</translation>
    </message>
    <message>
        <source>v%1.%2.%3</source>
        <translation>v%1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AddProgressWidget</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
</context>
<context>
    <name>AddProgressWidgetClass</name>
    <message>
        <source>Adding items to Vorenda</source>
        <translation>Objekte werden zu Vorenda hinzugefügt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>BookmarksWarningDialogClass</name>
    <message>
        <source>Bookmarks contain subfolders. What would you like to do?</source>
        <translation>Die Lesezeichen enthalten Unterordner. Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Create subcategories for those subfolders and keep the same hierarchy.</source>
        <translation>Für diese Unterordner Unterkategorien anlegen und die Hierarchie beibehalten.</translation>
    </message>
    <message>
        <source>Recurse subfolders but don&apos;t create subcategories.</source>
        <translation>Unterordner durchsuchen, aber keine Unterkategorien anlegen.</translation>
    </message>
    <message>
        <source>Skip subfolders.</source>
        <translation>Unterordner überspringen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FailedSaves</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Vorenda could not save %1 to %2:
%3

The latest changes are not on the disk yet. They are saved with the next change once the cause is removed.</source>
        <translation>Vorenda konnte %1 nicht in %2 speichern:
%3

Die letzten Änderungen sind noch nicht auf der Festplatte. Sie werden mit der nächsten Änderung gespeichert, sobald die Ursache behoben ist.</translation>
    </message>
</context>
<context>
    <name>FolderWarningDialog</name>
    <message>
        <source>subcategory</source>
        <translation>Unterkategorie</translation>
    </message>
    <message>
        <source>category</source>
        <translation>Kategorie</translation>
    </message>
</context>
<context>
    <name>FolderWarningDialogClass</name>
    <message>
        <source>The item:</source>
        <translation>Das Objekt:</translation>
    </message>
    <message>
        <source>is a folder. What would you like to do?</source>
        <translation>ist ein Ordner. Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Create a new %1 for this folder and add its contents.</source>
        <translation>Für diesen Ordner eine neue %1 anlegen und seinen Inhalt hinzufügen.</translation>
    </message>
    <message>
        <source>Add its contents but don&apos;t create any %1.</source>
        <translation>Seinen Inhalt hinzufügen, aber keine %1 anlegen.</translation>
    </message>
    <message>
        <source>Just add the folder as an item.</source>
        <translation>Nur den Ordner als Objekt hinzufügen.</translation>
    </message>
    <message>
        <source>Skip folder.</source>
        <translation>Ordner überspringen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>GetPasswordDialog</name>
    <message>
        <source>The password is incorrect. Please try again.</source>
        <translation>Das Passwort ist falsch. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Remember the password is case sensitive.</source>
        <translation>Beachten Sie beim Passwort die Groß- und Kleinschreibung.</translation>
    </message>
</context>
<context>
    <name>GetPasswordWidgetClass</name>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>The password is incorrect. Please try again.</source>
        <translation>Das Passwort ist falsch. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>HelpWidget</name>
    <message>
        <source>:/Resources/Help/mac/en/gettingstarted.txt</source>
        <translation>:/Resources/Help/mac/de/gettingstarted.txt</translation>
    </message>
</context>
<context>
    <name>HelpWidgetClass</name>
    <message>
        <source>Vorenda Quick Start Guide</source>
        <translation>Vorenda – Erste Schritte</translation>
    </message>
</context>
<context>
    <name>HotkeyWidget</name>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
</context>
<context>
    <name>HttpRequest</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Die Anfrage wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The request could not be made.</source>
        <translation>Die Anfrage konnte nicht gestellt werden.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>Der Server hat nicht rechtzeitig geantwortet.</translation>
    </message>
    <message>
        <source>The server&apos;s reply did not arrive in time.</source>
        <translation>Die Antwort des Servers ist nicht rechtzeitig eingetroffen.</translation>
    </message>
    <message>
        <source>The server could not be reached or did not deliver the file.</source>
        <translation>Der Server war nicht erreichbar oder hat die Datei nicht geliefert.</translation>
    </message>
    <message>
        <source>The server&apos;s reply could not be read.</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ItemPropertiesDialog</name>
    <message>
        <source>Are you sure you want to delete the tag &apos;%1&apos;? This action cannot be undone.</source>
        <translation>Möchten Sie das Schlagwort „%1“ wirklich löschen? Dieser Schritt kann nicht rückgängig gemacht werden.</translation>
    </message>
</context>
<context>
    <name>ItemPropertiesDialogClass</name>
    <message>
        <source>Vorenda Properties</source>
        <translation>Vorenda – Eigenschaften</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Show name.</source>
        <translation>Name anzeigen.</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>Tags:  (Select from all available tags below)</source>
        <translation>Schlagwörter:  (aus allen unten wählen)</translation>
    </message>
    <message>
        <source>Add Tag</source>
        <translation>Schlagwort hinzufügen</translation>
    </message>
    <message>
        <source>450x450</source>
        <translation>450x450</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>  Cabinet  </source>
        <translation>  Schrank  </translation>
    </message>
    <message>
        <source>  Categories  </source>
        <translation>  Kategorien  </translation>
    </message>
    <message>
        <source>  Items  </source>
        <translation>  Objekte  </translation>
    </message>
    <message>
        <source>  View  </source>
        <translation>  Ansicht  </translation>
    </message>
    <message>
        <source>  Personalize  </source>
        <translation>  Personalisieren  </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  Hilfe  </translation>
    </message>
</context>
<context>
    <name>MessageDialogClass</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>Vorenda %1.%2.%3 is available for download. It is recommended that you install this new version to keep your product updated.</source>
        <translation>Vorenda %1.%2.%3 steht zum Herunterladen bereit. Wir empfehlen Ihnen, diese neue Version zu installieren, damit Ihr Programm auf dem neuesten Stand bleibt.</translation>
    </message>
</context>
<context>
    <name>NewVersionDialogClass</name>
    <message>
        <source>&lt;b&gt;What&apos;s new:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Neuerungen:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Don&apos;t check for updates automatically.</source>
        <translation>Nicht automatisch nach Updates suchen.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
</context>
<context>
    <name>PersonalizationWidget</name>
    <message>
        <source>None (Floating)</source>
        <translation>Keiner (frei schwebend)</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Top (Maximized)</source>
        <translation>Oben (ganzer Rand)</translation>
    </message>
    <message>
        <source>Right (Maximized)</source>
        <translation>Rechts (ganzer Rand)</translation>
    </message>
    <message>
        <source>Bottom (Maximized)</source>
        <translation>Unten (ganzer Rand)</translation>
    </message>
    <message>
        <source>Left (Maximized)</source>
        <translation>Links (ganzer Rand)</translation>
    </message>
    <message>
        <source>Set Password...</source>
        <translation>Passwort festlegen...</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Passwort ändern...</translation>
    </message>
    <message>
        <source>Enter Kiosk Password</source>
        <translation>Kiosk-Passwort eingeben</translation>
    </message>
    <message>
        <source>Set Kiosk Password</source>
        <translation>Kiosk-Passwort festlegen</translation>
    </message>
    <message>
        <source>Cabinet Background Pattern</source>
        <translation>Hintergrundmuster des Schranks</translation>
    </message>
    <message>
        <source>Cabinet Background Color</source>
        <translation>Hintergrundfarbe des Schranks</translation>
    </message>
    <message>
        <source>Cabinet Text Color</source>
        <translation>Textfarbe des Schranks</translation>
    </message>
    <message>
        <source>Category Background Pattern</source>
        <translation>Hintergrundmuster der Kategorien</translation>
    </message>
    <message>
        <source>Category Background Color</source>
        <translation>Hintergrundfarbe der Kategorien</translation>
    </message>
    <message>
        <source>Category Text Color</source>
        <translation>Textfarbe der Kategorien</translation>
    </message>
    <message>
        <source>Shelf Background Pattern</source>
        <translation>Hintergrundmuster der Regale</translation>
    </message>
    <message>
        <source>Shelf Background Color</source>
        <translation>Hintergrundfarbe der Regale</translation>
    </message>
    <message>
        <source>Drop Indicator Color</source>
        <translation>Farbe der Ablagemarkierung</translation>
    </message>
    <message>
        <source>Item Selection Color</source>
        <translation>Farbe der Objektauswahl</translation>
    </message>
    <message>
        <source>Name &amp; ToolTip Background Color</source>
        <translation>Hintergrundfarbe von Namen und Tooltips</translation>
    </message>
    <message>
        <source>Name &amp; ToolTip Text Color</source>
        <translation>Textfarbe von Namen und Tooltips</translation>
    </message>
    <message>
        <source>Add &amp;New Color...</source>
        <translation>&amp;Neue Farbe hinzufügen...</translation>
    </message>
    <message>
        <source>Add &amp;New Pattern...</source>
        <translation>&amp;Neues Muster hinzufügen...</translation>
    </message>
    <message>
        <source>Select Pattern</source>
        <translation>Muster auswählen</translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff)</source>
        <translation>Bilder (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff)</translation>
    </message>
    <message>
        <source>This color cannot be removed because it isn&apos;t user-defined or is currently used in one or more styles.</source>
        <translation>Diese Farbe kann nicht entfernt werden, weil sie nicht von Ihnen angelegt wurde oder gerade in einem oder mehreren Stilen verwendet wird.</translation>
    </message>
    <message>
        <source>This pattern cannot be removed because it isn&apos;t user-defined or is currently used in one or more styles.</source>
        <translation>Dieses Muster kann nicht entfernt werden, weil es nicht von Ihnen angelegt wurde oder gerade in einem oder mehreren Stilen verwendet wird.</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; could not be saved: %2</source>
        <translation>Der Stil „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>%1 (Modified)</source>
        <translation>%1 (geändert)</translation>
    </message>
    <message>
        <source>%1 (Modified%2)</source>
        <translation>%1 (geändert%2)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be made</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>PersonalizationWidgetClass</name>
    <message>
        <source>Vorenda Personalization</source>
        <translation>Vorenda – Personalisierung</translation>
    </message>
    <message>
        <source>420x530</source>
        <translation>420x530</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Cabinet Name:</source>
        <translation>Name des Schranks:</translation>
    </message>
    <message>
        <source>Cabinet Hotkey:</source>
        <translation>Tastenkürzel des Schranks:</translation>
    </message>
    <message>
        <source>Dock cabinet to the screen edge:</source>
        <translation>Schrank am Bildschirmrand andocken:</translation>
    </message>
    <message>
        <source>QComboBox {}</source>
        <translation>QComboBox {}</translation>
    </message>
    <message>
        <source>When docked, show up this cabinet whenever:</source>
        <translation>Angedockt diesen Schrank einblenden, sobald:</translation>
    </message>
    <message>
        <source>I touch the screen edge with the mouse pointer.</source>
        <translation>ich mit dem Mauszeiger den Bildschirmrand berühre.</translation>
    </message>
    <message>
        <source>And keep the mouse there for</source>
        <translation>und die Maus dort bleibt für</translation>
    </message>
    <message>
        <source>secs.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>But only if I am holding down the key:</source>
        <translation>aber nur, wenn ich diese Taste gedrückt halte:</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Auto hide after losing the keyboard focus.</source>
        <translation>Automatisch ausblenden, wenn er den Tastaturfokus verliert.</translation>
    </message>
    <message>
        <source>Keep visible on top of other windows.</source>
        <translation>Immer im Vordergrund vor anderen Fenstern halten.</translation>
    </message>
    <message>
        <source>Show in full-screen mode.</source>
        <translation>Im Vollbildmodus anzeigen.</translation>
    </message>
    <message>
        <source>Show in kiosk mode.</source>
        <translation>Im Kioskmodus anzeigen.</translation>
    </message>
    <message>
        <source>Set &amp;Password...</source>
        <translation>&amp;Passwort festlegen...</translation>
    </message>
    <message>
        <source>Top bar:</source>
        <translation>Obere Leiste:</translation>
    </message>
    <message>
        <source>Hide top bar.</source>
        <translation>Obere Leiste ausblenden.</translation>
    </message>
    <message>
        <source>Hide search box.</source>
        <translation>Suchfeld ausblenden.</translation>
    </message>
    <message>
        <source>Hide cabinet name.</source>
        <translation>Namen des Schranks ausblenden.</translation>
    </message>
    <message>
        <source>Add hotkey to cabinet name.</source>
        <translation>Tastenkürzel an den Namen anhängen.</translation>
    </message>
    <message>
        <source>Menu bar:</source>
        <translation>Menüleiste:</translation>
    </message>
    <message>
        <source>Hide menu bar.</source>
        <translation>Menüleiste ausblenden.</translation>
    </message>
    <message>
        <source>Bottom bar:</source>
        <translation>Untere Leiste:</translation>
    </message>
    <message>
        <source>Hide bottom bar.</source>
        <translation>Untere Leiste ausblenden.</translation>
    </message>
    <message>
        <source>Hide cabinet information.</source>
        <translation>Schrankinformationen ausblenden.</translation>
    </message>
    <message>
        <source>Hide thumbnail size slider.</source>
        <translation>Größenregler ausblenden.</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Kategorien:</translation>
    </message>
    <message>
        <source>Show full path.</source>
        <translation>Vollständigen Pfad anzeigen.</translation>
    </message>
    <message>
        <source>Show number of items.</source>
        <translation>Anzahl der Objekte anzeigen.</translation>
    </message>
    <message>
        <source>Show number of matches.</source>
        <translation>Anzahl der Treffer anzeigen.</translation>
    </message>
    <message>
        <source>Hide expand/collapse button.</source>
        <translation>Schaltfläche zum Auf- und Zuklappen ausblenden.</translation>
    </message>
    <message>
        <source>Text Font:</source>
        <translation>Schriftart:</translation>
    </message>
    <message>
        <source>Text Decoration:</source>
        <translation>Texteffekt:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Drop Shadow</source>
        <translation>Schlagschatten</translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation>Innerer Schatten</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Cabinet Style:</source>
        <translation>Stil des Schranks:</translation>
    </message>
    <message>
        <source>Style Settings:</source>
        <translation>Stileinstellungen:</translation>
    </message>
    <message>
        <source>Apply To &amp;Related Elements</source>
        <translation>Auf &amp;verwandte Elemente anwenden</translation>
    </message>
    <message>
        <source>Add &amp;New Color...</source>
        <translation>&amp;Neue Farbe hinzufügen...</translation>
    </message>
    <message>
        <source>Shelf Reflection Level:</source>
        <translation>Spiegelung der Regale:</translation>
    </message>
    <message>
        <source>Shelf Perspective Level:</source>
        <translation>Perspektive der Regale:</translation>
    </message>
    <message>
        <source>Back Darkness Level:</source>
        <translation>Dunkelheit der Rückwand:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PreferencesWidget</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Warten</translation>
    </message>
    <message>
        <source>Please restart the program to apply the new language.</source>
        <translation>Bitte starten Sie das Programm neu, um die neue Sprache zu übernehmen.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>The Store Folder cannot be moved into itself. Please select a folder outside the current Store Folder.</source>
        <translation>Der Ablageordner kann nicht in sich selbst verschoben werden. Bitte wählen Sie einen Ordner außerhalb des aktuellen Ablageordners.</translation>
    </message>
    <message>
        <source>Please restart the application to use the configuration from the selected Store Folder.</source>
        <translation>Bitte starten Sie das Programm neu, um die Einstellungen aus dem gewählten Ablageordner zu verwenden.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Change Store Folder...</source>
        <translation>Ordner ändern...</translation>
    </message>
    <message>
        <source>The Store Folder could not be moved to the new location. Items that could not be copied: %1.

The current Store Folder stays in use.</source>
        <translation>Der Ablageordner konnte nicht an den neuen Ort verschoben werden. Nicht kopiert werden konnten: %1.

Der bisherige Ablageordner wird weiter verwendet.</translation>
    </message>
    <message>
        <source>The new Store Folder could not be recorded in the settings.

The current Store Folder stays in use.</source>
        <translation>Der neue Ablageordner konnte nicht in den Einstellungen gespeichert werden.

Der bisherige Ablageordner wird weiter verwendet.</translation>
    </message>
    <message>
        <source>The Store Folder was successfully moved to the new location!</source>
        <translation>Der Ablageordner wurde erfolgreich an den neuen Ort verschoben!</translation>
    </message>
</context>
<context>
    <name>PreferencesWidgetClass</name>
    <message>
        <source>Vorenda Preferences</source>
        <translation>Vorenda – Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Cabinet</source>
        <translation>Schrank</translation>
    </message>
    <message>
        <source>Run at system startup.  (Recommended)</source>
        <translation>Beim Anmelden starten.  (Empfohlen)</translation>
    </message>
    <message>
        <source>Show cabinets in Kiosk mode at system startup.</source>
        <translation>Schränke im Kioskmodus beim Start anzeigen.</translation>
    </message>
    <message>
        <source>Automatically check for updates.</source>
        <translation>Automatisch nach Updates suchen.</translation>
    </message>
    <message>
        <source>User Interface Language:</source>
        <translation>Sprache der Oberfläche:</translation>
    </message>
    <message>
        <source>QComboBox {}</source>
        <translation>QComboBox {}</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Show All Cabinets:</source>
        <translation>Alle Schränke anzeigen:</translation>
    </message>
    <message>
        <source>Hide All Cabinets:</source>
        <translation>Alle Schränke ausblenden:</translation>
    </message>
    <message>
        <source>Quick Search:</source>
        <translation>Schnellsuche:</translation>
    </message>
    <message>
        <source>Store Folder</source>
        <translation>Ablageordner</translation>
    </message>
    <message>
        <source>The folder where the program stores its configuration files and data.</source>
        <translation>Der Ordner, in dem das Programm seine Einstellungen und Daten speichert.</translation>
    </message>
    <message>
        <source>Show Store Folder...</source>
        <translation>Ordner zeigen...</translation>
    </message>
    <message>
        <source>Change Store Folder...</source>
        <translation>Ordner ändern...</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>Single-click to open. %1+click to select.</source>
        <translation>Klick öffnet, %1+Klick wählt aus.</translation>
    </message>
    <message>
        <source>Double-click to open. Single-click to select.</source>
        <translation>Doppelklick öffnet, Klick wählt aus.</translation>
    </message>
    <message>
        <source>Maximum thumbnail size [ 32...256 ]:</source>
        <translation>Maximale Bildgröße [ 32...256 ]:</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>When adding items show names:</source>
        <translation>Namen neuer Objekte anzeigen:</translation>
    </message>
    <message>
        <source>If generic icon</source>
        <translation>Bei Standardsymbol</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Animate items when hovering.</source>
        <translation>Objekte unter dem Mauszeiger animieren.</translation>
    </message>
    <message>
        <source>Animate items when opening (launching).</source>
        <translation>Objekte beim Öffnen (Starten) animieren.</translation>
    </message>
    <message>
        <source>Search Box</source>
        <translation>Suchfeld</translation>
    </message>
    <message>
        <source>When the cabinet is shown:</source>
        <translation>Wenn der Schrank angezeigt wird:</translation>
    </message>
    <message>
        <source>Show the most recently opened items, if any.</source>
        <translation>Die zuletzt geöffneten Objekte zeigen.</translation>
    </message>
    <message>
        <source>Clear the search box and select the first item.</source>
        <translation>Suchfeld leeren und erstes Objekt auswählen.</translation>
    </message>
    <message>
        <source>Keep the last search in the box, if any.</source>
        <translation>Letzte Suche im Suchfeld behalten.</translation>
    </message>
    <message>
        <source>425x500</source>
        <translation>425x500</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
</context>
<context>
    <name>QuickSearchWidget</name>
    <message>
        <source>Results will be shown in your web browser</source>
        <translation>Die Ergebnisse erscheinen in Ihrem Webbrowser</translation>
    </message>
    <message>
        <source>Vorenda</source>
        <translation>Vorenda</translation>
    </message>
    <message>
        <source>Alt+K</source>
        <translation>Alt+K</translation>
    </message>
    <message>
        <source>Google</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>Alt+G</source>
        <translation>Alt+G</translation>
    </message>
    <message>
        <source>Yahoo!</source>
        <translation>Yahoo!</translation>
    </message>
    <message>
        <source>Alt+Y</source>
        <translation>Alt+Y</translation>
    </message>
    <message>
        <source>Bing</source>
        <translation>Bing</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>YubNub</source>
        <translation>YubNub</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <source>Alt+F</source>
        <translation>Alt+F</translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation>YouTube</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation>Wikipedia</translation>
    </message>
    <message>
        <source>https://en.wikipedia.org/?search=%1</source>
        <translation>https://en.wikipedia.org/?search=%1</translation>
    </message>
    <message>
        <source>Alt+W</source>
        <translation>Alt+W</translation>
    </message>
    <message>
        <source>Delicious</source>
        <translation>Delicious</translation>
    </message>
    <message>
        <source>Alt+D</source>
        <translation>Alt+D</translation>
    </message>
    <message>
        <source>Amazon</source>
        <translation>Amazon</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>Technorati</source>
        <translation>Technorati</translation>
    </message>
    <message>
        <source>Alt+I</source>
        <translation>Alt+I</translation>
    </message>
    <message>
        <source>eBay</source>
        <translation>eBay</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>Quick Search - %1</source>
        <translation>Schnellsuche – %1</translation>
    </message>
    <message>
        <source>Results: Not found</source>
        <translation>Ergebnisse: keine Treffer</translation>
    </message>
    <message>
        <source>Results: 1 match</source>
        <translation>Ergebnisse: 1 Treffer</translation>
    </message>
    <message>
        <source>Results: %1 matches</source>
        <translation>Ergebnisse: %1 Treffer</translation>
    </message>
</context>
<context>
    <name>QuickSearchWidgetClass</name>
    <message>
        <source>Vorenda Quick Search</source>
        <translation>Vorenda – Schnellsuche</translation>
    </message>
    <message>
        <source>Quick Search</source>
        <translation>Schnellsuche</translation>
    </message>
</context>
<context>
    <name>QuickStartDialog</name>
    <message>
        <source>&lt;No Name&gt;</source>
        <translation>&lt;Kein Name&gt;</translation>
    </message>
    <message>
        <source>Please select an existing cabinet or create a new cabinet!</source>
        <translation>Bitte wählen Sie einen vorhandenen Schrank aus oder legen Sie einen neuen Schrank an!</translation>
    </message>
    <message>
        <source>%1 Style</source>
        <translation>Stil %1</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Anpassen...</translation>
    </message>
</context>
<context>
    <name>QuickStartDialogClass</name>
    <message>
        <source>Quick Start</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>Select Cabinet:</source>
        <translation>Schrank auswählen:</translation>
    </message>
    <message>
        <source>Change Cabinet Style</source>
        <translation>Stil des Schranks ändern</translation>
    </message>
    <message>
        <source>Add Category / Subcategory</source>
        <translation>Kategorie / Unterkategorie hinzufügen</translation>
    </message>
    <message>
        <source>Add Items To Cabinet</source>
        <translation>Objekte zum Schrank hinzufügen</translation>
    </message>
    <message>
        <source>Personalize Cabinet</source>
        <translation>Schrank personalisieren</translation>
    </message>
    <message>
        <source>Dock To Screen Edge</source>
        <translation>An Bildschirmrand andocken</translation>
    </message>
    <message>
        <source>Help &amp; Support</source>
        <translation>Hilfe &amp;&amp; Support</translation>
    </message>
    <message>
        <source>Remember to right-click anywhere on the cabinet, categories and items to show up the contextual menu with more related commands</source>
        <translation>Klicken Sie mit der rechten Maustaste auf den Schrank, eine Kategorie oder ein Objekt, um das Kontextmenü mit weiteren passenden Befehlen zu öffnen.</translation>
    </message>
    <message>
        <source>340x455</source>
        <translation>340x455</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RemoveWarningDialogClass</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>SafariBookmarksParser</name>
    <message>
        <source>Bookmarks Bar</source>
        <translation>Lesezeichenleiste</translation>
    </message>
    <message>
        <source>Bookmarks Menu</source>
        <translation>Lesezeichenmenü</translation>
    </message>
    <message>
        <source>Other Bookmarks</source>
        <translation>Weitere Lesezeichen</translation>
    </message>
    <message>
        <source>Mobile Bookmarks</source>
        <translation>Mobile Lesezeichen</translation>
    </message>
</context>
<context>
    <name>SearchBox</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
</context>
<context>
    <name>SetPasswordDialog</name>
    <message>
        <source>The passwords didn&apos;t match. Please try again.</source>
        <translation>Die Passwörter stimmen nicht überein. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>To remove the password leave both fields blank.</source>
        <translation>Um das Passwort zu entfernen, lassen Sie beide Felder leer.</translation>
    </message>
</context>
<context>
    <name>SetPasswordWidgetClass</name>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Verify:</source>
        <translation>Bestätigen:</translation>
    </message>
    <message>
        <source>The passwords didn&apos;t match. Please try again.</source>
        <translation>Die Passwörter stimmen nicht überein. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ShelfStyle</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Wood #3</source>
        <translation>Holz #3</translation>
    </message>
    <message>
        <source>Fabric #1</source>
        <translation>Fasern #1</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Ziegel</translation>
    </message>
    <message>
        <source>Metal + Wood</source>
        <translation>Metall + Holz</translation>
    </message>
    <message>
        <source>Bricks + Wood</source>
        <translation>Ziegel + Holz</translation>
    </message>
    <message>
        <source>Dark Grain</source>
        <translation>Dunkle Holzfaser</translation>
    </message>
    <message>
        <source>Wood #4</source>
        <translation>Holz #4</translation>
    </message>
    <message>
        <source>Wood #2</source>
        <translation>Holz #2</translation>
    </message>
    <message>
        <source>Wood #1</source>
        <translation>Holz #1</translation>
    </message>
    <message>
        <source>Tablecloth</source>
        <translation>Tischdecke</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Marmor</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Leder</translation>
    </message>
    <message>
        <source>Fabric #3</source>
        <translation>Fasern #3</translation>
    </message>
    <message>
        <source>Fabric #2</source>
        <translation>Fasern #2</translation>
    </message>
    <message>
        <source>Cork #2</source>
        <translation>Kork #2</translation>
    </message>
    <message>
        <source>Cork #1</source>
        <translation>Kork #1</translation>
    </message>
    <message>
        <source>Teen Girl</source>
        <translation>Teen Girl</translation>
    </message>
    <message>
        <source>Metal #1</source>
        <translation>Metall #1</translation>
    </message>
    <message>
        <source>Metal #2</source>
        <translation>Metall #2</translation>
    </message>
    <message>
        <source>Windows XP</source>
        <translation>Windows XP</translation>
    </message>
</context>
<context>
    <name>SubfoldersWarningDialogClass</name>
    <message>
        <source>The path:</source>
        <translation>Der Pfad:</translation>
    </message>
    <message>
        <source>contains subfolders. What would you like to do?</source>
        <translation>enthält Unterordner. Was möchten Sie tun?</translation>
    </message>
    <message>
        <source>Create subcategories for those subfolders and keep the same hierarchy.</source>
        <translation>Für diese Unterordner Unterkategorien anlegen und die Hierarchie beibehalten.</translation>
    </message>
    <message>
        <source>Recurse subfolders but don&apos;t create subcategories.</source>
        <translation>Unterordner durchsuchen, aber keine Unterkategorien anlegen.</translation>
    </message>
    <message>
        <source>Don&apos;t recurse subfolders but add them as items.</source>
        <translation>Unterordner nicht durchsuchen, sondern als Objekte hinzufügen.</translation>
    </message>
    <message>
        <source>Skip subfolders.</source>
        <translation>Unterordner überspringen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UnsavedFilesQuestion</name>
    <message>
        <source>These files could not be saved:

%1

If you quit now, their latest changes are lost. Remove the cause (make room on the disk, say) and try again.</source>
        <translation>Diese Dateien konnten nicht gespeichert werden:

%1

Wenn Sie jetzt beenden, gehen ihre letzten Änderungen verloren. Beheben Sie die Ursache (schaffen Sie zum Beispiel Platz auf der Festplatte) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
</context>
<context>
    <name>VorendaMain</name>
    <message>
        <source>Ctrl+F10</source>
        <translation>Ctrl+F10</translation>
    </message>
    <message>
        <source>Ctrl+F11</source>
        <translation>Ctrl+F11</translation>
    </message>
    <message>
        <source>Meta+Space</source>
        <translation>Meta+Space</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Ctrl+%1</source>
        <translation>Ctrl+%1</translation>
    </message>
    <message>
        <source>Quick Search	%1</source>
        <translation>Schnellsuche	%1</translation>
    </message>
    <message>
        <source>Show All	%1</source>
        <translation>Alle anzeigen	%1</translation>
    </message>
    <message>
        <source>Hide All	%1</source>
        <translation>Alle ausblenden	%1</translation>
    </message>
    <message>
        <source>Quit	%1</source>
        <translation>Beenden	%1</translation>
    </message>
    <message>
        <source>Quick Start...</source>
        <translation>Schnellstart...</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>Send Feedback...</source>
        <translation>Feedback senden...</translation>
    </message>
    <message>
        <source>Vorenda Home Page</source>
        <translation>Vorenda-Website</translation>
    </message>
    <message>
        <source>&lt;Empty&gt;</source>
        <translation>&lt;Leer&gt;</translation>
    </message>
    <message>
        <source>Show Cabinet</source>
        <translation>Schrank anzeigen</translation>
    </message>
    <message>
        <source>New Cabinet</source>
        <translation>Neuer Schrank</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Nach Updates suchen...</translation>
    </message>
    <message>
        <source>About Vorenda...</source>
        <translation>Über Vorenda...</translation>
    </message>
    <message>
        <source>Help &amp;&amp; Support</source>
        <translation>Hilfe &amp;&amp; Support</translation>
    </message>
    <message>
        <source> Vorenda </source>
        <translation> Vorenda </translation>
    </message>
    <message>
        <source>%1 Style</source>
        <translation>Stil %1</translation>
    </message>
    <message>
        <source>mailto:support@vorenda.org?Subject=Customer Feedback&amp;Message=&apos; &apos;</source>
        <translation>mailto:support@vorenda.org?Subject=Customer Feedback&amp;Message=&apos; &apos;</translation>
    </message>
    <message>
        <source>Enter Kiosk Password</source>
        <translation>Kiosk-Passwort eingeben</translation>
    </message>
    <message>
        <source>Vorenda</source>
        <translation>Vorenda</translation>
    </message>
    <message>
        <source>Cabinet %1</source>
        <translation>Schrank %1</translation>
    </message>
    <message>
        <source>&lt;No Name&gt;</source>
        <translation>&lt;Kein Name&gt;</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>You&apos;re up to date! Vorenda %1.%2.%3 is currently the newest version available.</source>
        <translation>Sie sind auf dem neuesten Stand! Vorenda %1.%2.%3 ist die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Vorenda could not check for updates. %1</source>
        <translation>Vorenda konnte nicht nach Updates suchen. %1</translation>
    </message>
    <message>
        <source>the list of cabinets and the preferences</source>
        <translation>die Liste der Schränke und die Einstellungen</translation>
    </message>
    <message>
        <source>The damaged file cannot be kept aside.</source>
        <translation>Die beschädigte Datei kann nicht beiseitegelegt werden.</translation>
    </message>
</context>
<context>
    <name>VorendaShelf</name>
    <message>
        <source>All Files (%1);;Images (%2);;Music (%3);;Videos (%4)</source>
        <translation>Alle Dateien (%1);;Bilder (%2);;Musik (%3);;Videos (%4)</translation>
    </message>
    <message>
        <source>Select File(s)</source>
        <translation>Datei(en) auswählen</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>System&apos;s Temporary Directory</source>
        <translation>Temporärer Ordner des Systems</translation>
    </message>
    <message>
        <source>Bookmarks Bar</source>
        <translation>Lesezeichenleiste</translation>
    </message>
    <message>
        <source>Bookmarks Menu</source>
        <translation>Lesezeichenmenü</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Kiosk mode is now %1!</source>
        <translation>Der Kioskmodus ist jetzt %1!</translation>
    </message>
    <message>
        <source>Stay On Top mode is now %1!</source>
        <translation>Der Modus „Immer im Vordergrund“ ist jetzt %1!</translation>
    </message>
    <message>
        <source>Auto Hide mode is now %1!</source>
        <translation>Der Modus „Automatisch ausblenden“ ist jetzt %1!</translation>
    </message>
    <message>
        <source>Full Screen mode is now %1!</source>
        <translation>Der Vollbildmodus ist jetzt %1!</translation>
    </message>
    <message>
        <source>The cabinet is now FLOATING!</source>
        <translation>Der Schrank ist jetzt FREI BEWEGLICH!</translation>
    </message>
    <message>
        <source>The cabinet is now docked to the TOP edge!</source>
        <translation>Der Schrank ist jetzt am OBEREN Rand angedockt!</translation>
    </message>
    <message>
        <source>The cabinet is now docked to the RIGHT edge!</source>
        <translation>Der Schrank ist jetzt am RECHTEN Rand angedockt!</translation>
    </message>
    <message>
        <source>The cabinet is now docked to the BOTTOM edge!</source>
        <translation>Der Schrank ist jetzt am UNTEREN Rand angedockt!</translation>
    </message>
    <message>
        <source>The cabinet is now docked to the LEFT edge!</source>
        <translation>Der Schrank ist jetzt am LINKEN Rand angedockt!</translation>
    </message>
    <message>
        <source>Hide Top Bar</source>
        <translation>Obere Leiste ausblenden</translation>
    </message>
    <message>
        <source>Show Top Bar</source>
        <translation>Obere Leiste einblenden</translation>
    </message>
    <message>
        <source>Hide Menu Bar</source>
        <translation>Menüleiste ausblenden</translation>
    </message>
    <message>
        <source>Show Menu Bar</source>
        <translation>Menüleiste einblenden</translation>
    </message>
    <message>
        <source>Hide Bottom Bar</source>
        <translation>Untere Leiste ausblenden</translation>
    </message>
    <message>
        <source>Show Bottom Bar</source>
        <translation>Untere Leiste einblenden</translation>
    </message>
    <message>
        <source>Hide Cabinet Name</source>
        <translation>Schranknamen ausblenden</translation>
    </message>
    <message>
        <source>Show Cabinet Name</source>
        <translation>Schranknamen einblenden</translation>
    </message>
    <message>
        <source>Hide Search Box</source>
        <translation>Suchfeld ausblenden</translation>
    </message>
    <message>
        <source>Show Search Box</source>
        <translation>Suchfeld einblenden</translation>
    </message>
    <message>
        <source>Hide Cabinet Information</source>
        <translation>Schrankinformationen ausblenden</translation>
    </message>
    <message>
        <source>Show Cabinet Information</source>
        <translation>Schrankinformationen einblenden</translation>
    </message>
    <message>
        <source>Hide Thumbnail Size Slider</source>
        <translation>Größenregler ausblenden</translation>
    </message>
    <message>
        <source>Show Thumbnail Size Slider</source>
        <translation>Größenregler einblenden</translation>
    </message>
    <message>
        <source>Add Hotkey To Cabinet Name</source>
        <translation>Tastenkürzel zum Schranknamen hinzufügen</translation>
    </message>
    <message>
        <source>Remove Hotkey From Cabinet Name</source>
        <translation>Tastenkürzel aus dem Schranknamen entfernen</translation>
    </message>
    <message>
        <source>Show Category Full Path</source>
        <translation>Vollständigen Kategoriepfad anzeigen</translation>
    </message>
    <message>
        <source>Hide Category Full Path</source>
        <translation>Vollständigen Kategoriepfad ausblenden</translation>
    </message>
    <message>
        <source>Show Number Of Items In Category</source>
        <translation>Anzahl der Objekte in der Kategorie anzeigen</translation>
    </message>
    <message>
        <source>Hide Number Of Items In Category</source>
        <translation>Anzahl der Objekte in der Kategorie ausblenden</translation>
    </message>
    <message>
        <source>Show Number Of Matches In Category</source>
        <translation>Anzahl der Treffer in der Kategorie anzeigen</translation>
    </message>
    <message>
        <source>Hide Number Of Matches In Category</source>
        <translation>Anzahl der Treffer in der Kategorie ausblenden</translation>
    </message>
    <message>
        <source>Show In Kiosk Mode</source>
        <translation>Im Kioskmodus anzeigen</translation>
    </message>
    <message>
        <source>Exit Kiosk Mode</source>
        <translation>Kioskmodus beenden</translation>
    </message>
    <message>
        <source>Enter Kiosk Password</source>
        <translation>Kiosk-Passwort eingeben</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following category and all the subcategories and items it might contain?</source>
        <translation>Möchten Sie die folgende Kategorie mit allen Unterkategorien und Objekten, die sie enthalten mag, wirklich entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following category and all the items it might contain?</source>
        <translation>Möchten Sie die folgende Kategorie mit allen Objekten, die sie enthalten mag, wirklich entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following categories and all the subcategories and items they might contain?</source>
        <translation>Möchten Sie die folgenden Kategorien mit allen Unterkategorien und Objekten, die sie enthalten mögen, wirklich entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following subcategories and all the items they might contain?</source>
        <translation>Möchten Sie die folgenden Unterkategorien mit allen Objekten, die sie enthalten mögen, wirklich entfernen?</translation>
    </message>
    <message>
        <source>Could not locate &apos;%1&apos;, make sure the file that this item refers to has not been deleted or moved!</source>
        <translation>„%1“ wurde nicht gefunden. Bitte prüfen Sie, ob die Datei, auf die dieses Objekt verweist, gelöscht oder verschoben wurde!</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 Treffer</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>Showing Recently Opened Items!</source>
        <translation>Zuletzt geöffnete Objekte werden angezeigt!</translation>
    </message>
    <message>
        <source>Showing Recently Added Items!</source>
        <translation>Zuletzt hinzugefügte Objekte werden angezeigt!</translation>
    </message>
    <message>
        <source>Showing Most Popular Items!</source>
        <translation>Die meistgenutzten Objekte werden angezeigt!</translation>
    </message>
    <message>
        <source>Searching Names Only!</source>
        <translation>Es wird nur in Namen gesucht!</translation>
    </message>
    <message>
        <source>Searching Tags Only!</source>
        <translation>Es wird nur in Schlagwörtern gesucht!</translation>
    </message>
    <message>
        <source>Searching Descriptions Only!</source>
        <translation>Es wird nur in Beschreibungen gesucht!</translation>
    </message>
    <message>
        <source>Searching All Fields!</source>
        <translation>Es wird in allen Feldern gesucht!</translation>
    </message>
    <message>
        <source>No item is selected!</source>
        <translation>Kein Objekt ausgewählt!</translation>
    </message>
    <message>
        <source>Thumbnails for web items are generated in the background. This process may take a few seconds for each item so please be patient.</source>
        <translation>Vorschaubilder für Web-Objekte werden im Hintergrund erzeugt. Das kann für jedes Objekt einige Sekunden dauern, bitte haben Sie etwas Geduld.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following items?</source>
        <translation>Möchten Sie die folgenden Objekte wirklich entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Cabinet and all the categories, subcategories and items it might contain?</source>
        <translation>Möchten Sie diesen Schrank mit allen Kategorien, Unterkategorien und Objekten, die er enthält, wirklich löschen?</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff *.ico)</source>
        <translation>Bilder (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff *.ico)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Unterkategorie</translation>
    </message>
    <message>
        <source>(here)</source>
        <translation>(hier)</translation>
    </message>
    <message>
        <source>%1 Style</source>
        <translation>Stil %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; And Subcategories</source>
        <translation>„%1“ und Unterkategorien</translation>
    </message>
    <message>
        <source>&apos;%1&apos; Only</source>
        <translation>Nur „%1“</translation>
    </message>
    <message>
        <source>Add Items</source>
        <translation>Objekte hinzufügen</translation>
    </message>
    <message>
        <source>All Above</source>
        <translation>Alle oben genannten</translation>
    </message>
    <message>
        <source>All Items</source>
        <translation>Alle Objekte</translation>
    </message>
    <message>
        <source>All Items	%1</source>
        <translation>Alle Objekte	%1</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Ascending Order</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Change Style</source>
        <translation>Stil ändern</translation>
    </message>
    <message>
        <source>Collapse &apos;%1&apos;</source>
        <translation>„%1“ zuklappen</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Alle zuklappen</translation>
    </message>
    <message>
        <source>Collapse All Categories</source>
        <translation>Alle Kategorien zuklappen</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Anpassen...</translation>
    </message>
    <message>
        <source>Delete Cabinet</source>
        <translation>Schrank löschen</translation>
    </message>
    <message>
        <source>Descending Order</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Desktop Items</source>
        <translation>Objekte auf dem Schreibtisch</translation>
    </message>
    <message>
        <source>Dock To Screen Edge</source>
        <translation>An Bildschirmrand andocken</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Expand &apos;%1&apos;</source>
        <translation>„%1“ aufklappen</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Alle aufklappen</translation>
    </message>
    <message>
        <source>Expand All Categories</source>
        <translation>Alle Kategorien aufklappen</translation>
    </message>
    <message>
        <source>From &apos;%1&apos; And Subcategories</source>
        <translation>Aus „%1“ und Unterkategorien</translation>
    </message>
    <message>
        <source>From &apos;%1&apos; Only</source>
        <translation>Nur aus „%1“</translation>
    </message>
    <message>
        <source>From Subcategories Only</source>
        <translation>Nur aus Unterkategorien</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Help &amp;&amp; Support</source>
        <translation>Hilfe &amp;&amp; Support</translation>
    </message>
    <message>
        <source>Hide All Names</source>
        <translation>Alle Namen ausblenden</translation>
    </message>
    <message>
        <source>Hide Cabinet	%1</source>
        <translation>Schrank ausblenden	%1</translation>
    </message>
    <message>
        <source>Hide Names</source>
        <translation>Namen ausblenden</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>In &apos;%1&apos; And Subcategories</source>
        <translation>In „%1“ und Unterkategorien</translation>
    </message>
    <message>
        <source>In &apos;%1&apos; Only</source>
        <translation>Nur in „%1“</translation>
    </message>
    <message>
        <source>Include Subcategories</source>
        <translation>Mit Unterkategorien</translation>
    </message>
    <message>
        <source>Move &apos;%1&apos; To</source>
        <translation>„%1“ verschieben nach</translation>
    </message>
    <message>
        <source>Move To</source>
        <translation>Verschieben nach</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>New Cabinet</source>
        <translation>Neuer Schrank</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Neue Unterkategorie</translation>
    </message>
    <message>
        <source>Open	%1</source>
        <translation>Öffnen	%1</translation>
    </message>
    <message>
        <source>Personalize</source>
        <translation>Personalisieren</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Refresh Thumbnail</source>
        <translation>Vorschaubild erneuern</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove	%1</source>
        <translation>Entfernen	%1</translation>
    </message>
    <message>
        <source>Remove &apos;%1&apos;</source>
        <translation>„%1“ entfernen</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Remove All Categories</source>
        <translation>Alle Kategorien entfernen</translation>
    </message>
    <message>
        <source>Remove All Items</source>
        <translation>Alle Objekte entfernen</translation>
    </message>
    <message>
        <source>Remove Items</source>
        <translation>Objekte entfernen</translation>
    </message>
    <message>
        <source>Rename	F2</source>
        <translation>Umbenennen	F2</translation>
    </message>
    <message>
        <source>Rename &apos;%1&apos;</source>
        <translation>„%1“ umbenennen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Select Items</source>
        <translation>Objekte auswählen</translation>
    </message>
    <message>
        <source>Selected Items</source>
        <translation>Ausgewählte Objekte</translation>
    </message>
    <message>
        <source>Selected Items	%1</source>
        <translation>Ausgewählte Objekte	%1</translation>
    </message>
    <message>
        <source>Set Custom Thumbnail...</source>
        <translation>Eigenes Vorschaubild festlegen...</translation>
    </message>
    <message>
        <source>Shortcut to Folder</source>
        <translation>Verknüpfung zu Ordner</translation>
    </message>
    <message>
        <source>Show All Names</source>
        <translation>Alle Namen einblenden</translation>
    </message>
    <message>
        <source>Show Full Screen</source>
        <translation>Vollbild anzeigen</translation>
    </message>
    <message>
        <source>Show Names</source>
        <translation>Namen einblenden</translation>
    </message>
    <message>
        <source>Show Normal</source>
        <translation>Normal anzeigen</translation>
    </message>
    <message>
        <source>Show in File Manager	%1</source>
        <translation>In Dateiverwaltung zeigen	%1</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Sort All Items</source>
        <translation>Alle Objekte sortieren</translation>
    </message>
    <message>
        <source>Sort Items</source>
        <translation>Objekte sortieren</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Subcategories Only</source>
        <translation>Nur Unterkategorien</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>mailto:support@vorenda.org?Subject=Customer Feedback&amp;Message=&apos; &apos;</source>
        <translation>mailto:support@vorenda.org?Subject=Customer Feedback&amp;Message=&apos; &apos;</translation>
    </message>
    <message>
        <source>Stay On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Auto Hide</source>
        <translation>Automatisch ausblenden</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Toggle Name</source>
        <translation>Name ein-/ausblenden</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation>Ctrl+K</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Ctrl+Up</source>
        <translation>Ctrl+Up</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Ctrl+Right</source>
        <translation>Ctrl+Right</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Ctrl+Down</source>
        <translation>Ctrl+Down</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Ctrl+Left</source>
        <translation>Ctrl+Left</translation>
    </message>
    <message>
        <source>Top (Maximized)</source>
        <translation>Oben (ganzer Rand)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Up</source>
        <translation>Ctrl+Shift+Up</translation>
    </message>
    <message>
        <source>Right (Maximized)</source>
        <translation>Rechts (ganzer Rand)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Right</source>
        <translation>Ctrl+Shift+Right</translation>
    </message>
    <message>
        <source>Bottom (Maximized)</source>
        <translation>Unten (ganzer Rand)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Down</source>
        <translation>Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>Left (Maximized)</source>
        <translation>Links (ganzer Rand)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Left</source>
        <translation>Ctrl+Shift+Left</translation>
    </message>
    <message>
        <source>None (Floating)</source>
        <translation>Keiner (frei schwebend)</translation>
    </message>
    <message>
        <source>Shift+Esc</source>
        <translation>Shift+Esc</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Eigenschaften...</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Select All Items</source>
        <translation>Alle Objekte auswählen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Switch between or cycle through cabinets clockwise</source>
        <translation>Zwischen Schränken wechseln oder sie im Uhrzeigersinn durchlaufen</translation>
    </message>
    <message>
        <source>Alt+Tab</source>
        <translation>Alt+Tab</translation>
    </message>
    <message>
        <source>Ctrl+Tab</source>
        <translation>Ctrl+Tab</translation>
    </message>
    <message>
        <source>Switch between or cycle through cabinets counterclockwise</source>
        <translation>Zwischen Schränken wechseln oder sie gegen den Uhrzeigersinn durchlaufen</translation>
    </message>
    <message>
        <source>Alt+Shift+Tab</source>
        <translation>Alt+Shift+Tab</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Tab</source>
        <translation>Ctrl+Shift+Tab</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Erste Schritte</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Quick Start...</source>
        <translation>Schnellstart...</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>Clear Search Box</source>
        <translation>Suchfeld leeren</translation>
    </message>
    <message>
        <source>Repeat Last Search</source>
        <translation>Letzte Suche wiederholen</translation>
    </message>
    <message>
        <source>Alt+1</source>
        <translation>Alt+1</translation>
    </message>
    <message>
        <source>Show Recently Opened</source>
        <translation>Zuletzt geöffnete zeigen</translation>
    </message>
    <message>
        <source>Alt+2</source>
        <translation>Alt+2</translation>
    </message>
    <message>
        <source>Show Recently Added</source>
        <translation>Zuletzt hinzugefügte zeigen</translation>
    </message>
    <message>
        <source>Alt+3</source>
        <translation>Alt+3</translation>
    </message>
    <message>
        <source>Search Names Only</source>
        <translation>Nur in Namen suchen</translation>
    </message>
    <message>
        <source>Alt+4</source>
        <translation>Alt+4</translation>
    </message>
    <message>
        <source>Search Descriptions Only</source>
        <translation>Nur in Beschreibungen suchen</translation>
    </message>
    <message>
        <source>Alt+5</source>
        <translation>Alt+5</translation>
    </message>
    <message>
        <source>Search Tags Only</source>
        <translation>Nur in Schlagwörtern suchen</translation>
    </message>
    <message>
        <source>Alt+6</source>
        <translation>Alt+6</translation>
    </message>
    <message>
        <source>Search All</source>
        <translation>Überall suchen</translation>
    </message>
    <message>
        <source>Alt+7</source>
        <translation>Alt+7</translation>
    </message>
    <message>
        <source>Show Most Popular</source>
        <translation>Meistgenutzte zeigen</translation>
    </message>
    <message>
        <source>Alt+8</source>
        <translation>Alt+8</translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation>Alt+T</translation>
    </message>
    <message>
        <source>Alt+M</source>
        <translation>Alt+M</translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation>Alt+B</translation>
    </message>
    <message>
        <source>Send Feedback...</source>
        <translation>Feedback senden...</translation>
    </message>
    <message>
        <source>Vorenda Home Page</source>
        <translation>Vorenda-Website</translation>
    </message>
    <message>
        <source>%1 Categories, %2 Items</source>
        <translation>Kategorien: %1, Objekte: %2</translation>
    </message>
    <message>
        <source>Browser Bookmarks</source>
        <translation>Browser-Lesezeichen</translation>
    </message>
    <message>
        <source>No browser bookmarks were found!</source>
        <translation>Es wurden keine Browser-Lesezeichen gefunden!</translation>
    </message>
    <message>
        <source>Only the first %1 bookmarks were imported. Left out: %2.</source>
        <translation>Nur die ersten %1 Lesezeichen wurden importiert. Ausgelassen: %2.</translation>
    </message>
    <message>
        <source>Only the first %1 links were pasted. Left out: %2.</source>
        <translation>Nur die ersten %1 Links wurden eingefügt. Ausgelassen: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not opened: only web addresses (http, https, ftp), mail addresses (mailto) and local files and folders are opened.</source>
        <translation>„%1“ wurde nicht geöffnet: Geöffnet werden nur Webadressen (http, https, ftp), E-Mail-Adressen (mailto) sowie lokale Dateien und Ordner.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not started because it is not trusted: it is shown in the file manager instead. A program starts from an entry in an applications folder, or from one you made executable: to trust this one, make it executable (in its properties in the file manager, or with &quot;chmod +x&quot;) and open it again.</source>
        <translation>„%1“ wurde nicht gestartet, weil der Eintrag nicht vertrauenswürdig ist: Er wird stattdessen im Dateimanager angezeigt. Ein Programm startet aus einem Eintrag in einem Anwendungsordner oder aus einem, den Sie ausführbar gemacht haben: Um diesem Eintrag zu vertrauen, machen Sie ihn ausführbar (in seinen Eigenschaften im Dateimanager oder mit „chmod +x“) und öffnen Sie ihn erneut.</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Dienstprogramme</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>a cabinet without a name</source>
        <translation>einen Schrank ohne Namen</translation>
    </message>
    <message>
        <source>the cabinet &quot;%1&quot;</source>
        <translation>den Schrank „%1“</translation>
    </message>
    <message>
        <source>The damaged file cannot be kept aside.</source>
        <translation>Die beschädigte Datei kann nicht beiseitegelegt werden.</translation>
    </message>
</context>
<context>
    <name>WeblocParser</name>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Dienstprogramme</translation>
    </message>
    <message numerus="yes">
        <source>%n items added</source>
        <translation>
            <numerusform>%n Objekt hinzugefügt</numerusform>
            <numerusform>%n Objekte hinzugefügt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WelcomeDialogClass</name>
    <message>
        <source>Welcome to Vorenda</source>
        <translation>Willkommen bei Vorenda</translation>
    </message>
    <message>
        <source>Vorenda is ready to add some useful items so that you’ll always have them at hand! Click the &apos;Start&apos; button below to begin or &apos;Finish&apos; to close this wizard.</source>
        <translation>Vorenda kann jetzt einige nützliche Objekte für Sie hinzufügen, damit Sie sie immer griffbereit haben! Klicken Sie unten auf „Starten“, um zu beginnen, oder auf „Fertig stellen“, um diesen Assistenten zu schließen.</translation>
    </message>
    <message>
        <source>Desktop Items</source>
        <translation>Objekte auf dem Schreibtisch</translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>Nicht hinzugefügt</translation>
    </message>
    <message>
        <source>Applications and Utilities</source>
        <translation>Anwendungen und Dienstprogramme</translation>
    </message>
    <message>
        <source>Later, you&apos;ll be able to modify or create new cabinets, add categories and items, remove existing ones or reorganize them the way you like.</source>
        <translation>Später können Sie Schränke ändern oder neue anlegen, Kategorien und Objekte hinzufügen, vorhandene entfernen oder alles so ordnen, wie Sie möchten.</translation>
    </message>
    <message>
        <source>Want to try another style while the items are added?</source>
        <translation>Möchten Sie einen anderen Stil ausprobieren, während die Objekte hinzugefügt werden?</translation>
    </message>
    <message>
        <source>You can fully personalize cabinets and change preferences by using the shortcut menus displayed when right-clicking on a cabinet, category, item or the status icon.</source>
        <translation>Über die Kontextmenüs, die ein Rechtsklick auf einen Schrank, eine Kategorie, ein Objekt oder das Statussymbol öffnet, können Sie Schränke ganz nach Ihren Wünschen gestalten und die Einstellungen ändern.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig stellen</translation>
    </message>
</context>
</TS>
