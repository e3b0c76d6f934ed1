<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Vorenda %1.%2.%3 steht zum Download bereit. Es wird empfohlen, diese neue Version zu installieren, damit Ihr Produkt auf dem neuesten Stand bleibt.</translation>
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
        <translation>Schnellstartanleitung</translation>
    </message>
    <message>
        <source>Send Feedback...</source>
        <translation>Feedback senden...</translation>
    </message>
    <message>
        <source>Vorenda Home Page</source>
        <translation>Vorenda-Homepage</translation>
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
        <translation>mailto:support@vorenda.org?Subject=Kundenfeedback&amp;Message=&apos; &apos;</translation>
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
</context>
<context>
    <name>PreferencesWidget</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>QuickStartDialog</name>
    <message>
        <source>Quick Start</source>
        <translation>Schnellstart</translation>
    </message>
</context>
<context>
    <name>PersonalizationWidget</name>
    <message>
        <source>Personalization</source>
        <translation>Personalisierung</translation>
    </message>
</context>
<context>
    <name>QuickSearchWidget</name>
    <message>
        <source>Quick Search</source>
        <translation>Schnellsuche</translation>
    </message>
</context>
<context>
    <name>HelpWidget</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>ItemPropertiesDialog</name>
    <message>
        <source>Item Properties</source>
        <translation>Objekteigenschaften</translation>
    </message>
</context>
<context>
    <name>VorendaShelf</name>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
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
        <translation>Regler für die Miniaturgröße ausblenden</translation>
    </message>
    <message>
        <source>Show Thumbnail Size Slider</source>
        <translation>Regler für die Miniaturgröße einblenden</translation>
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
</context>
<context>
    <name>VorendaShelf</name>
    <message>
        <source>Could not locate &apos;%1&apos;, make sure the file that this item refers to has not been deleted or moved!</source>
        <translation>&apos;%1&apos; wurde nicht gefunden. Bitte prüfen Sie, ob die Datei, auf die dieses Objekt verweist, gelöscht oder verschoben wurde!</translation>
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
        <translation>Die beliebtesten Objekte werden angezeigt!</translation>
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
</context>
<context>
    <name>VorendaShelf</name>
    <message>
        <source>Thumbnails for web items are generated in the background. This process may take a few seconds for each item so please be patient.</source>
        <translation>Vorschaubilder für Web-Objekte werden im Hintergrund erzeugt. Das kann für jedes Objekt einige Sekunden dauern, bitte haben Sie etwas Geduld.</translation>
    </message>
</context>
<context>
    <name>VorendaShelf</name>
    <message>
        <source>Are you sure you want to remove the following items?</source>
        <translation>Möchten Sie die folgenden Objekte wirklich entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Cabinet and all the categories, subcategories and items it might contain?</source>
        <translation>Möchten Sie diesen Schrank mit allen Kategorien, Unterkategorien und Objekten, die er enthält, wirklich löschen?</translation>
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
    <name>WeblocParser</name>
    <message>
        <source>Bookmark</source>
        <translation>Lesezeichen</translation>
    </message>
</context>
<context>
    <name>VorendaShelf</name>
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
</context>
<context>
    <name>VorendaShelf</name>
    <message>
        <source>%1 Style</source>
        <translation>Stil %1</translation>
    </message>
    <message>
        <source>'%1' And Subcategories</source>
        <translation>„%1“ und Unterkategorien</translation>
    </message>
    <message>
        <source>'%1' Only</source>
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
        <source>Collapse '%1'</source>
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
        <source>Expand '%1'</source>
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
        <source>From '%1' And Subcategories</source>
        <translation>Aus „%1“ und Unterkategorien</translation>
    </message>
    <message>
        <source>From '%1' Only</source>
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
        <source>In '%1' And Subcategories</source>
        <translation>In „%1“ und Unterkategorien</translation>
    </message>
    <message>
        <source>In '%1' Only</source>
        <translation>Nur in „%1“</translation>
    </message>
    <message>
        <source>Include Subcategories</source>
        <translation>Mit Unterkategorien</translation>
    </message>
    <message>
        <source>Move '%1' To</source>
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
        <source>Remove '%1'</source>
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
        <source>Rename '%1'</source>
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
</context>
<context>
    <name>VorendaShelf</name>
    <message>
        <source>Browser Bookmarks</source>
        <translation>Browser-Lesezeichen</translation>
    </message>
    <message>
        <source>No browser bookmarks were found!</source>
        <translation>Es wurden keine Browser-Lesezeichen gefunden!</translation>
    </message>
</context>
</TS>
