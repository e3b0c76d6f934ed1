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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWidgetClass</name>
    <message>
        <source>Vorenda Quick Start Guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotkeyWidget</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HttpRequest</name>
    <message>
        <source>The request was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s reply did not arrive in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server could not be reached or did not deliver the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s reply could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemPropertiesDialog</name>
    <message>
        <source>Are you sure you want to delete the tag &apos;%1&apos;? This action cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemPropertiesDialogClass</name>
    <message>
        <source>Vorenda Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags:  (Select from all available tags below)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>450x450</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Cabinet  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Categories  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Items  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  View  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Personalize  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation type="unfinished"></translation>
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
    <name>PersonalizationWidget</name>
    <message>
        <source>None (Floating)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top (Maximized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right (Maximized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom (Maximized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left (Maximized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Password...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Kiosk Password</source>
        <translation type="unfinished">Kiosk-Passwort eingeben</translation>
    </message>
    <message>
        <source>Set Kiosk Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabinet Background Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabinet Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabinet Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category Background Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shelf Background Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shelf Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop Indicator Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Selection Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name &amp; ToolTip Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name &amp; ToolTip Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;New Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;New Pattern...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This color cannot be removed because it isn&apos;t user-defined or is currently used in one or more styles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This pattern cannot be removed because it isn&apos;t user-defined or is currently used in one or more styles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; could not be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PersonalizationWidgetClass</name>
    <message>
        <source>Vorenda Personalization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>420x530</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished">Allgemein</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished">Erscheinungsbild</translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished">Stil</translation>
    </message>
    <message>
        <source>Cabinet Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabinet Hotkey:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dock cabinet to the screen edge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QComboBox {}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When docked, show up this cabinet whenever:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I touch the screen edge with the mouse pointer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>And keep the mouse there for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>secs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>But only if I am holding down the key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto hide after losing the keyboard focus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep visible on top of other windows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in full-screen mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in kiosk mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Password...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top bar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide top bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide search box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide cabinet name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add hotkey to cabinet name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu bar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide menu bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom bar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide bottom bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide cabinet information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide thumbnail size slider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show full path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show number of items.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show number of matches.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide expand/collapse button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Decoration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop Shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cabinet Style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style Settings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply To &amp;Related Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add &amp;New Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shelf Reflection Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shelf Perspective Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Darkness Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
</context>
<context>
    <name>PreferencesWidget</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please restart the program to apply the new language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation type="unfinished">Ordner auswählen</translation>
    </message>
    <message>
        <source>The Store Folder cannot be moved into itself. Please select a folder outside the current Store Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please restart the application to use the configuration from the selected Store Folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Store Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Store Folder could not be moved to the new location. Items that could not be copied: %1.

The current Store Folder stays in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Store Folder was successfully moved to the new location!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesWidgetClass</name>
    <message>
        <source>Vorenda Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished">Allgemein</translation>
    </message>
    <message>
        <source>Cabinet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run at system startup.  (Recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show cabinets in Kiosk mode at system startup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically check for updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Interface Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QComboBox {}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Español</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All Cabinets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide All Cabinets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder where the program stores its configuration files and data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Store Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Store Folder...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single-click to open. %1+click to select.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click to open. Single-click to select.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum thumbnail size [ 32...256 ]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When adding items show names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If generic icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animate items when hovering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animate items when opening (launching).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the cabinet is shown:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the most recently opened items, if any.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the search box and select the first item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the last search in the box, if any.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>425x500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">OK</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickSearchWidget</name>
    <message>
        <source>Results will be shown in your web browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorenda</source>
        <translation type="unfinished">Vorenda</translation>
    </message>
    <message>
        <source>Alt+K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YubNub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YouTube</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wikipedia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>https://en.wikipedia.org/?search=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delicious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amazon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Technorati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eBay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Search - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results: Not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results: 1 match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results: %1 matches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickSearchWidgetClass</name>
    <message>
        <source>Vorenda Quick Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Search</source>
        <translation type="unfinished">Schnellsuche</translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">mailto:support@vorenda.org?Subject=Kundenfeedback&amp;Message=&apos; &apos;</translation>
    </message>
    <message>
        <source>Stay On Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top (Maximized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right (Maximized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom (Maximized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left (Maximized)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None (Floating)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch between or cycle through cabinets clockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch between or cycle through cabinets counterclockwise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation type="unfinished">Schnellstartanleitung</translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Start...</source>
        <translation type="unfinished">Schnellstart...</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation type="unfinished">Ctrl+F1</translation>
    </message>
    <message>
        <source>Clear Search Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat Last Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Recently Opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Recently Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Names Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Descriptions Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Tags Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Most Popular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+T</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Feedback...</source>
        <translation type="unfinished">Feedback senden...</translation>
    </message>
    <message>
        <source>Vorenda Home Page</source>
        <translation type="unfinished">Vorenda-Homepage</translation>
    </message>
    <message>
        <source>%1 Categories, %2 Items</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished">Schreibtisch</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation type="unfinished">Anwendungen</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 items added</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeDialogClass</name>
    <message>
        <source>Welcome to Vorenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vorenda is ready to add some useful items so that you’ll always have them at hand! Click the &apos;Start&apos; button below to begin or &apos;Finish&apos; to close this wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop Items</source>
        <translation type="unfinished">Objekte auf dem Schreibtisch</translation>
    </message>
    <message>
        <source>Not added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications and Utilities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Later, you&apos;ll be able to modify or create new cabinets, add categories and items, remove existing ones or reorganize them the way you like.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Want to try another style while the items are added?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can fully personalize cabinets and change preferences by using the shortcut menus displayed when right-clicking on a cabinet, category, item or the status icon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
