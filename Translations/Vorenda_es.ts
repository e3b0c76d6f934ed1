<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialogClass</name>
    <message>
        <source>About Vorenda</source>
        <translation>Acerca de Vorenda</translation>
    </message>
    <message>
        <source>v%1.%2.%3</source>
        <translation>v%1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AddProgressWidget</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>AddProgressWidgetClass</name>
    <message>
        <source>Adding items to Vorenda</source>
        <translation>Añadiendo elementos a Vorenda</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Detener</translation>
    </message>
</context>
<context>
    <name>BookmarksWarningDialogClass</name>
    <message>
        <source>Bookmarks contain subfolders. What would you like to do?</source>
        <translation>Los marcadores contienen subcarpetas. ¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Create subcategories for those subfolders and keep the same hierarchy.</source>
        <translation>Crear subcategorías para esas subcarpetas y mantener la misma jerarquía.</translation>
    </message>
    <message>
        <source>Recurse subfolders but don&apos;t create subcategories.</source>
        <translation>Recorrer las subcarpetas sin crear subcategorías.</translation>
    </message>
    <message>
        <source>Skip subfolders.</source>
        <translation>Omitir las subcarpetas.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>FolderWarningDialogClass</name>
    <message>
        <source>The item:</source>
        <translation>El elemento:</translation>
    </message>
    <message>
        <source>is a folder. What would you like to do?</source>
        <translation>es una carpeta. ¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Create a new %1 for this folder and add its contents.</source>
        <translation>Crear una nueva %1 para esta carpeta y añadir su contenido.</translation>
    </message>
    <message>
        <source>Add its contents but don&apos;t create any %1.</source>
        <translation>Añadir su contenido sin crear ninguna %1.</translation>
    </message>
    <message>
        <source>Just add the folder as an item.</source>
        <translation>Añadir solo la carpeta como elemento.</translation>
    </message>
    <message>
        <source>Skip folder.</source>
        <translation>Omitir la carpeta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>GetPasswordDialog</name>
    <message>
        <source>The password is incorrect. Please try again.</source>
        <translation>La contraseña es incorrecta. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Remember the password is case sensitive.</source>
        <translation>Recuerde que la contraseña distingue entre mayúsculas y minúsculas.</translation>
    </message>
</context>
<context>
    <name>GetPasswordWidgetClass</name>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>The password is incorrect. Please try again.</source>
        <translation>La contraseña es incorrecta. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation type="unfinished">Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">Aceptar</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>Vorenda %1.%2.%3 is available for download. It is recommended that you install this new version to keep your product updated.</source>
        <translation>Vorenda %1.%2.%3 está disponible para su descarga. Se recomienda instalar esta nueva versión para mantener su producto actualizado.</translation>
    </message>
</context>
<context>
    <name>NewVersionDialogClass</name>
    <message>
        <source>&lt;b&gt;What&apos;s new:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Novedades:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Don&apos;t check for updates automatically.</source>
        <translation>No buscar actualizaciones automáticamente.</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">General</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished">Apariencia</translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished">Estilo</translation>
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
        <translation type="unfinished">Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">Aceptar</translation>
    </message>
</context>
<context>
    <name>PreferencesWidget</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">Aceptar</translation>
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
        <translation type="unfinished">Seleccionar carpeta</translation>
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
        <translation type="unfinished">General</translation>
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
        <translation type="unfinished">Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">Aceptar</translation>
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
        <translation type="unfinished">Búsqueda rápida</translation>
    </message>
</context>
<context>
    <name>QuickStartDialog</name>
    <message>
        <source>Quick Start</source>
        <translation>Inicio rápido</translation>
    </message>
</context>
<context>
    <name>RemoveWarningDialogClass</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>SafariBookmarksParser</name>
    <message>
        <source>Bookmarks Bar</source>
        <translation>Barra de marcadores</translation>
    </message>
    <message>
        <source>Bookmarks Menu</source>
        <translation>Menú de marcadores</translation>
    </message>
    <message>
        <source>Other Bookmarks</source>
        <translation>Otros marcadores</translation>
    </message>
    <message>
        <source>Mobile Bookmarks</source>
        <translation>Marcadores del móvil</translation>
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
        <translation>Las contraseñas no coinciden. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>To remove the password leave both fields blank.</source>
        <translation>Para eliminar la contraseña, deje ambos campos en blanco.</translation>
    </message>
</context>
<context>
    <name>SetPasswordWidgetClass</name>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Verify:</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <source>The passwords didn&apos;t match. Please try again.</source>
        <translation>Las contraseñas no coinciden. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ShelfStyle</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Wood #3</source>
        <translation>Madera #3</translation>
    </message>
    <message>
        <source>Fabric #1</source>
        <translation>Tejido #1</translation>
    </message>
    <message>
        <source>Bricks</source>
        <translation>Ladrillos</translation>
    </message>
    <message>
        <source>Metal + Wood</source>
        <translation>Metal + Madera</translation>
    </message>
    <message>
        <source>Bricks + Wood</source>
        <translation>Ladrillos + Madera</translation>
    </message>
    <message>
        <source>Dark Grain</source>
        <translation>Grano Oscuro</translation>
    </message>
    <message>
        <source>Wood #4</source>
        <translation>Madera #4</translation>
    </message>
    <message>
        <source>Wood #2</source>
        <translation>Madera #2</translation>
    </message>
    <message>
        <source>Wood #1</source>
        <translation>Madera #1</translation>
    </message>
    <message>
        <source>Tablecloth</source>
        <translation>Mantel</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Mármol</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Piel</translation>
    </message>
    <message>
        <source>Fabric #3</source>
        <translation>Tejido #3</translation>
    </message>
    <message>
        <source>Fabric #2</source>
        <translation>Tejido #2</translation>
    </message>
    <message>
        <source>Cork #2</source>
        <translation>Corcho #2</translation>
    </message>
    <message>
        <source>Cork #1</source>
        <translation>Corcho #1</translation>
    </message>
    <message>
        <source>Teen Girl</source>
        <translation>Colegiala</translation>
    </message>
    <message>
        <source>Metal #1</source>
        <translation>Metal #1</translation>
    </message>
    <message>
        <source>Metal #2</source>
        <translation>Metal #2</translation>
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
        <translation>La ruta:</translation>
    </message>
    <message>
        <source>contains subfolders. What would you like to do?</source>
        <translation>contiene subcarpetas. ¿Qué desea hacer?</translation>
    </message>
    <message>
        <source>Create subcategories for those subfolders and keep the same hierarchy.</source>
        <translation>Crear subcategorías para esas subcarpetas y mantener la misma jerarquía.</translation>
    </message>
    <message>
        <source>Recurse subfolders but don&apos;t create subcategories.</source>
        <translation>Recorrer las subcarpetas sin crear subcategorías.</translation>
    </message>
    <message>
        <source>Don&apos;t recurse subfolders but add them as items.</source>
        <translation>No recorrer las subcarpetas, sino añadirlas como elementos.</translation>
    </message>
    <message>
        <source>Skip subfolders.</source>
        <translation>Omitir las subcarpetas.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Búsqueda rápida	%1</translation>
    </message>
    <message>
        <source>Show All	%1</source>
        <translation>Mostrar todos	%1</translation>
    </message>
    <message>
        <source>Hide All	%1</source>
        <translation>Ocultar todos	%1</translation>
    </message>
    <message>
        <source>Quit	%1</source>
        <translation>Salir	%1</translation>
    </message>
    <message>
        <source>Quick Start...</source>
        <translation>Inicio rápido...</translation>
    </message>
    <message>
        <source>Quick Start Guide</source>
        <translation>Guía de inicio rápido</translation>
    </message>
    <message>
        <source>Send Feedback...</source>
        <translation>Enviar comentarios...</translation>
    </message>
    <message>
        <source>Vorenda Home Page</source>
        <translation>Página web de Vorenda</translation>
    </message>
    <message>
        <source>&lt;Empty&gt;</source>
        <translation>&lt;Vacío&gt;</translation>
    </message>
    <message>
        <source>Show Cabinet</source>
        <translation>Mostrar armario</translation>
    </message>
    <message>
        <source>New Cabinet</source>
        <translation>Nuevo armario</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>Check for Updates...</source>
        <translation>Buscar actualizaciones...</translation>
    </message>
    <message>
        <source>About Vorenda...</source>
        <translation>Acerca de Vorenda...</translation>
    </message>
    <message>
        <source>Help &amp;&amp; Support</source>
        <translation>Ayuda &amp;&amp; soporte</translation>
    </message>
    <message>
        <source> Vorenda </source>
        <translation> Vorenda </translation>
    </message>
    <message>
        <source>%1 Style</source>
        <translation>Estilo %1</translation>
    </message>
    <message>
        <source>mailto:support@vorenda.org?Subject=Customer Feedback&amp;Message=&apos; &apos;</source>
        <translation>mailto:support@vorenda.org?Subject=Comentarios de clientes&amp;Message=&apos; &apos;</translation>
    </message>
    <message>
        <source>Enter Kiosk Password</source>
        <translation>Introduzca la contraseña del modo quiosco</translation>
    </message>
    <message>
        <source>Vorenda</source>
        <translation>Vorenda</translation>
    </message>
    <message>
        <source>Cabinet %1</source>
        <translation>Armario %1</translation>
    </message>
    <message>
        <source>&lt;No Name&gt;</source>
        <translation>&lt;Sin nombre&gt;</translation>
    </message>
    <message>
        <source>%1	%2</source>
        <translation>%1	%2</translation>
    </message>
    <message>
        <source>You&apos;re up to date! Vorenda %1.%2.%3 is currently the newest version available.</source>
        <translation>¡Está al día! Vorenda %1.%2.%3 es la versión más reciente disponible.</translation>
    </message>
    <message>
        <source>Vorenda could not check for updates. %1</source>
        <translation>Vorenda no pudo buscar actualizaciones. %1</translation>
    </message>
</context>
<context>
    <name>VorendaShelf</name>
    <message>
        <source>All Files (%1);;Images (%2);;Music (%3);;Videos (%4)</source>
        <translation>Todos los archivos (%1);;Imágenes (%2);;Música (%3);;Vídeos (%4)</translation>
    </message>
    <message>
        <source>Select File(s)</source>
        <translation>Seleccionar archivo(s)</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>System&apos;s Temporary Directory</source>
        <translation>Carpeta temporal del sistema</translation>
    </message>
    <message>
        <source>Bookmarks Bar</source>
        <translation>Barra de marcadores</translation>
    </message>
    <message>
        <source>Bookmarks Menu</source>
        <translation>Menú de marcadores</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ACTIVADO</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESACTIVADO</translation>
    </message>
    <message>
        <source>Kiosk mode is now %1!</source>
        <translation>¡El modo quiosco está ahora %1!</translation>
    </message>
    <message>
        <source>Stay On Top mode is now %1!</source>
        <translation>¡El modo Siempre encima está ahora %1!</translation>
    </message>
    <message>
        <source>Auto Hide mode is now %1!</source>
        <translation>¡El modo Ocultar automáticamente está ahora %1!</translation>
    </message>
    <message>
        <source>Full Screen mode is now %1!</source>
        <translation>¡El modo Pantalla completa está ahora %1!</translation>
    </message>
    <message>
        <source>The cabinet is now FLOATING!</source>
        <translation>¡El armario ahora está FLOTANTE!</translation>
    </message>
    <message>
        <source>The cabinet is now docked to the TOP edge!</source>
        <translation>¡El armario ahora está acoplado al borde SUPERIOR!</translation>
    </message>
    <message>
        <source>The cabinet is now docked to the RIGHT edge!</source>
        <translation>¡El armario ahora está acoplado al borde DERECHO!</translation>
    </message>
    <message>
        <source>The cabinet is now docked to the BOTTOM edge!</source>
        <translation>¡El armario ahora está acoplado al borde INFERIOR!</translation>
    </message>
    <message>
        <source>The cabinet is now docked to the LEFT edge!</source>
        <translation>¡El armario ahora está acoplado al borde IZQUIERDO!</translation>
    </message>
    <message>
        <source>Hide Top Bar</source>
        <translation>Ocultar barra superior</translation>
    </message>
    <message>
        <source>Show Top Bar</source>
        <translation>Mostrar barra superior</translation>
    </message>
    <message>
        <source>Hide Menu Bar</source>
        <translation>Ocultar barra de menús</translation>
    </message>
    <message>
        <source>Show Menu Bar</source>
        <translation>Mostrar barra de menús</translation>
    </message>
    <message>
        <source>Hide Bottom Bar</source>
        <translation>Ocultar barra inferior</translation>
    </message>
    <message>
        <source>Show Bottom Bar</source>
        <translation>Mostrar barra inferior</translation>
    </message>
    <message>
        <source>Hide Cabinet Name</source>
        <translation>Ocultar nombre del armario</translation>
    </message>
    <message>
        <source>Show Cabinet Name</source>
        <translation>Mostrar nombre del armario</translation>
    </message>
    <message>
        <source>Hide Search Box</source>
        <translation>Ocultar cuadro de búsqueda</translation>
    </message>
    <message>
        <source>Show Search Box</source>
        <translation>Mostrar cuadro de búsqueda</translation>
    </message>
    <message>
        <source>Hide Cabinet Information</source>
        <translation>Ocultar información del armario</translation>
    </message>
    <message>
        <source>Show Cabinet Information</source>
        <translation>Mostrar información del armario</translation>
    </message>
    <message>
        <source>Hide Thumbnail Size Slider</source>
        <translation>Ocultar control de tamaño de miniaturas</translation>
    </message>
    <message>
        <source>Show Thumbnail Size Slider</source>
        <translation>Mostrar control de tamaño de miniaturas</translation>
    </message>
    <message>
        <source>Add Hotkey To Cabinet Name</source>
        <translation>Añadir atajo de teclado al nombre del armario</translation>
    </message>
    <message>
        <source>Remove Hotkey From Cabinet Name</source>
        <translation>Quitar atajo de teclado del nombre del armario</translation>
    </message>
    <message>
        <source>Show Category Full Path</source>
        <translation>Mostrar ruta completa de la categoría</translation>
    </message>
    <message>
        <source>Hide Category Full Path</source>
        <translation>Ocultar ruta completa de la categoría</translation>
    </message>
    <message>
        <source>Show Number Of Items In Category</source>
        <translation>Mostrar número de elementos de la categoría</translation>
    </message>
    <message>
        <source>Hide Number Of Items In Category</source>
        <translation>Ocultar número de elementos de la categoría</translation>
    </message>
    <message>
        <source>Show Number Of Matches In Category</source>
        <translation>Mostrar número de coincidencias de la categoría</translation>
    </message>
    <message>
        <source>Hide Number Of Matches In Category</source>
        <translation>Ocultar número de coincidencias de la categoría</translation>
    </message>
    <message>
        <source>Show In Kiosk Mode</source>
        <translation>Mostrar en modo quiosco</translation>
    </message>
    <message>
        <source>Exit Kiosk Mode</source>
        <translation>Salir del modo quiosco</translation>
    </message>
    <message>
        <source>Enter Kiosk Password</source>
        <translation>Introducir contraseña de quiosco</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following category and all the subcategories and items it might contain?</source>
        <translation>¿Seguro que desea quitar la siguiente categoría con todas las subcategorías y elementos que pueda contener?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following category and all the items it might contain?</source>
        <translation>¿Seguro que desea quitar la siguiente categoría con todos los elementos que pueda contener?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following categories and all the subcategories and items they might contain?</source>
        <translation>¿Seguro que desea quitar las siguientes categorías con todas las subcategorías y elementos que puedan contener?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following subcategories and all the items they might contain?</source>
        <translation>¿Seguro que desea quitar las siguientes subcategorías con todos los elementos que puedan contener?</translation>
    </message>
    <message>
        <source>Could not locate &apos;%1&apos;, make sure the file that this item refers to has not been deleted or moved!</source>
        <translation>No se encontró &apos;%1&apos;. Compruebe que el archivo al que remite este elemento no se haya eliminado ni movido.</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Sin resultados</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 coincidencia</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 coincidencias</translation>
    </message>
    <message>
        <source>Showing Recently Opened Items!</source>
        <translation>¡Se muestran los elementos abiertos recientemente!</translation>
    </message>
    <message>
        <source>Showing Recently Added Items!</source>
        <translation>¡Se muestran los elementos añadidos recientemente!</translation>
    </message>
    <message>
        <source>Showing Most Popular Items!</source>
        <translation>¡Se muestran los elementos más usados!</translation>
    </message>
    <message>
        <source>Searching Names Only!</source>
        <translation>¡Se busca solo en los nombres!</translation>
    </message>
    <message>
        <source>Searching Tags Only!</source>
        <translation>¡Se busca solo en las etiquetas!</translation>
    </message>
    <message>
        <source>Searching Descriptions Only!</source>
        <translation>¡Se busca solo en las descripciones!</translation>
    </message>
    <message>
        <source>Searching All Fields!</source>
        <translation>¡Se busca en todos los campos!</translation>
    </message>
    <message>
        <source>No item is selected!</source>
        <translation>¡No hay ningún elemento seleccionado!</translation>
    </message>
    <message>
        <source>Thumbnails for web items are generated in the background. This process may take a few seconds for each item so please be patient.</source>
        <translation>Las miniaturas de los elementos web se generan en segundo plano. Este proceso puede tardar unos segundos por elemento, así que tenga paciencia.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following items?</source>
        <translation>¿Seguro que desea quitar los siguientes elementos?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Cabinet and all the categories, subcategories and items it might contain?</source>
        <translation>¿Seguro que desea eliminar este armario con todas las categorías, subcategorías y elementos que contenga?</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Seleccionar imagen</translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff *.ico)</source>
        <translation>Imágenes (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff *.ico)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Subcategory</source>
        <translation>Subcategoría</translation>
    </message>
    <message>
        <source>(here)</source>
        <translation>(aquí)</translation>
    </message>
    <message>
        <source>%1 Style</source>
        <translation>Estilo %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; And Subcategories</source>
        <translation>«%1» y subcategorías</translation>
    </message>
    <message>
        <source>&apos;%1&apos; Only</source>
        <translation>Solo «%1»</translation>
    </message>
    <message>
        <source>Add Items</source>
        <translation>Añadir elementos</translation>
    </message>
    <message>
        <source>All Above</source>
        <translation>Todos los anteriores</translation>
    </message>
    <message>
        <source>All Items</source>
        <translation>Todos los elementos</translation>
    </message>
    <message>
        <source>All Items	%1</source>
        <translation>Todos los elementos	%1</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Ascending Order</source>
        <translation>Orden ascendente</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Change Style</source>
        <translation>Cambiar estilo</translation>
    </message>
    <message>
        <source>Collapse &apos;%1&apos;</source>
        <translation>Contraer «%1»</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Contraer todas</translation>
    </message>
    <message>
        <source>Collapse All Categories</source>
        <translation>Contraer todas las categorías</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Personalizar...</translation>
    </message>
    <message>
        <source>Delete Cabinet</source>
        <translation>Eliminar armario</translation>
    </message>
    <message>
        <source>Descending Order</source>
        <translation>Orden descendente</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Desktop Items</source>
        <translation>Elementos del escritorio</translation>
    </message>
    <message>
        <source>Dock To Screen Edge</source>
        <translation>Acoplar al borde de la pantalla</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Descargas</translation>
    </message>
    <message>
        <source>Expand &apos;%1&apos;</source>
        <translation>Expandir «%1»</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Expandir todas</translation>
    </message>
    <message>
        <source>Expand All Categories</source>
        <translation>Expandir todas las categorías</translation>
    </message>
    <message>
        <source>From &apos;%1&apos; And Subcategories</source>
        <translation>De «%1» y subcategorías</translation>
    </message>
    <message>
        <source>From &apos;%1&apos; Only</source>
        <translation>Solo de «%1»</translation>
    </message>
    <message>
        <source>From Subcategories Only</source>
        <translation>Solo de las subcategorías</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Help &amp;&amp; Support</source>
        <translation>Ayuda &amp;&amp; soporte</translation>
    </message>
    <message>
        <source>Hide All Names</source>
        <translation>Ocultar todos los nombres</translation>
    </message>
    <message>
        <source>Hide Cabinet	%1</source>
        <translation>Ocultar armario	%1</translation>
    </message>
    <message>
        <source>Hide Names</source>
        <translation>Ocultar nombres</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>In &apos;%1&apos; And Subcategories</source>
        <translation>En «%1» y subcategorías</translation>
    </message>
    <message>
        <source>In &apos;%1&apos; Only</source>
        <translation>Solo en «%1»</translation>
    </message>
    <message>
        <source>Include Subcategories</source>
        <translation>Incluir subcategorías</translation>
    </message>
    <message>
        <source>Move &apos;%1&apos; To</source>
        <translation>Mover «%1» a</translation>
    </message>
    <message>
        <source>Move To</source>
        <translation>Mover a</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>New Cabinet</source>
        <translation>Nuevo armario</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nueva subcategoría</translation>
    </message>
    <message>
        <source>Open	%1</source>
        <translation>Abrir	%1</translation>
    </message>
    <message>
        <source>Personalize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Preferencias...</translation>
    </message>
    <message>
        <source>Refresh Thumbnail</source>
        <translation>Actualizar miniatura</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove	%1</source>
        <translation>Quitar	%1</translation>
    </message>
    <message>
        <source>Remove &apos;%1&apos;</source>
        <translation>Quitar «%1»</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Quitar todas</translation>
    </message>
    <message>
        <source>Remove All Categories</source>
        <translation>Quitar todas las categorías</translation>
    </message>
    <message>
        <source>Remove All Items</source>
        <translation>Quitar todos los elementos</translation>
    </message>
    <message>
        <source>Remove Items</source>
        <translation>Quitar elementos</translation>
    </message>
    <message>
        <source>Rename	F2</source>
        <translation>Cambiar nombre	F2</translation>
    </message>
    <message>
        <source>Rename &apos;%1&apos;</source>
        <translation>Cambiar nombre de «%1»</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Select Items</source>
        <translation>Seleccionar elementos</translation>
    </message>
    <message>
        <source>Selected Items</source>
        <translation>Elementos seleccionados</translation>
    </message>
    <message>
        <source>Selected Items	%1</source>
        <translation>Elementos seleccionados	%1</translation>
    </message>
    <message>
        <source>Set Custom Thumbnail...</source>
        <translation>Establecer miniatura propia...</translation>
    </message>
    <message>
        <source>Shortcut to Folder</source>
        <translation>Acceso directo a carpeta</translation>
    </message>
    <message>
        <source>Show All Names</source>
        <translation>Mostrar todos los nombres</translation>
    </message>
    <message>
        <source>Show Full Screen</source>
        <translation>Mostrar a pantalla completa</translation>
    </message>
    <message>
        <source>Show Names</source>
        <translation>Mostrar nombres</translation>
    </message>
    <message>
        <source>Show Normal</source>
        <translation>Mostrar normal</translation>
    </message>
    <message>
        <source>Show in File Manager	%1</source>
        <translation>Mostrar en el gestor de archivos	%1</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Sort All Items</source>
        <translation>Ordenar todos los elementos</translation>
    </message>
    <message>
        <source>Sort Items</source>
        <translation>Ordenar elementos</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Subcategories Only</source>
        <translation>Solo subcategorías</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>mailto:support@vorenda.org?Subject=Customer Feedback&amp;Message=&apos; &apos;</source>
        <translation type="unfinished">mailto:support@vorenda.org?Subject=Comentarios de clientes&amp;Message=&apos; &apos;</translation>
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
        <translation type="unfinished">Guía de inicio rápido</translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Start...</source>
        <translation type="unfinished">Inicio rápido...</translation>
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
        <translation type="unfinished">Enviar comentarios...</translation>
    </message>
    <message>
        <source>Vorenda Home Page</source>
        <translation type="unfinished">Página web de Vorenda</translation>
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
        <translation>Marcador</translation>
    </message>
</context>
<context>
    <name>WelcomeDialog</name>
    <message>
        <source>Abort</source>
        <translation type="unfinished">Detener</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished">Escritorio</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation type="unfinished">Aplicaciones</translation>
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
        <translation type="unfinished">Elementos del escritorio</translation>
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
