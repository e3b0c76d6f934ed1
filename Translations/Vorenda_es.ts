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
        <translation>Los marcadores contienen subcarpetas. ¿Qué quieres hacer?</translation>
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
    <name>FailedSaves</name>
    <message>
        <source>%1 (%2): %3</source>
        <translation>%1 (%2): %3</translation>
    </message>
    <message>
        <source>The folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Vorenda could not save %1 to %2:
%3

The latest changes are not on the disk yet. They are saved with the next change once the cause is removed.</source>
        <translation>Vorenda no pudo guardar %1 en %2:
%3

Los últimos cambios aún no están en el disco. Se guardarán con el próximo cambio, una vez eliminada la causa.</translation>
    </message>
</context>
<context>
    <name>FolderWarningDialog</name>
    <message>
        <source>subcategory</source>
        <translation>subcategoría</translation>
    </message>
    <message>
        <source>category</source>
        <translation>categoría</translation>
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
        <translation>es una carpeta. ¿Qué quieres hacer?</translation>
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
        <translation>La contraseña no es correcta. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Remember the password is case sensitive.</source>
        <translation>Recuerda que la contraseña distingue entre mayúsculas y minúsculas.</translation>
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
        <translation>La contraseña no es correcta. Inténtalo de nuevo.</translation>
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
        <translation>:/Resources/Help/mac/es/gettingstarted.txt</translation>
    </message>
</context>
<context>
    <name>HelpWidgetClass</name>
    <message>
        <source>Vorenda Quick Start Guide</source>
        <translation>Guía de inicio rápido de Vorenda</translation>
    </message>
</context>
<context>
    <name>HotkeyWidget</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>HttpRequest</name>
    <message>
        <source>The request was cancelled.</source>
        <translation>Se canceló la solicitud.</translation>
    </message>
    <message>
        <source>The request could not be made.</source>
        <translation>No se pudo hacer la solicitud.</translation>
    </message>
    <message>
        <source>The server did not answer in time.</source>
        <translation>El servidor no respondió a tiempo.</translation>
    </message>
    <message>
        <source>The server&apos;s reply did not arrive in time.</source>
        <translation>La respuesta del servidor no llegó a tiempo.</translation>
    </message>
    <message>
        <source>The server could not be reached or did not deliver the file.</source>
        <translation>No se pudo conectar con el servidor o este no entregó el archivo.</translation>
    </message>
    <message>
        <source>The server&apos;s reply could not be read.</source>
        <translation>No se pudo leer la respuesta del servidor.</translation>
    </message>
</context>
<context>
    <name>ItemPropertiesDialog</name>
    <message>
        <source>Are you sure you want to delete the tag &apos;%1&apos;? This action cannot be undone.</source>
        <translation>¿Seguro que quieres eliminar la etiqueta «%1»? Esta acción no se puede deshacer.</translation>
    </message>
</context>
<context>
    <name>ItemPropertiesDialogClass</name>
    <message>
        <source>Vorenda Properties</source>
        <translation>Propiedades de Vorenda</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Destino:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Show name.</source>
        <translation>Mostrar el nombre.</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Tags:  (Select from all available tags below)</source>
        <translation>Etiquetas:  (elige entre todas las de abajo)</translation>
    </message>
    <message>
        <source>Add Tag</source>
        <translation>Añadir etiqueta</translation>
    </message>
    <message>
        <source>450x450</source>
        <translation>450x450</translation>
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
    <name>MainWindow</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>  Cabinet  </source>
        <translation>  Armario  </translation>
    </message>
    <message>
        <source>  Categories  </source>
        <translation>  Categorías  </translation>
    </message>
    <message>
        <source>  Items  </source>
        <translation>  Elementos  </translation>
    </message>
    <message>
        <source>  View  </source>
        <translation>  Ver  </translation>
    </message>
    <message>
        <source>  Personalize  </source>
        <translation>  Personalizar  </translation>
    </message>
    <message>
        <source>  Help  </source>
        <translation>  Ayuda  </translation>
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
        <translation>Vorenda %1.%2.%3 ya se puede descargar. Te recomendamos instalar esta nueva versión para tener el programa siempre al día.</translation>
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
        <translation>Ninguno (flotante)</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Top (Maximized)</source>
        <translation>Arriba (todo el borde)</translation>
    </message>
    <message>
        <source>Right (Maximized)</source>
        <translation>Derecha (todo el borde)</translation>
    </message>
    <message>
        <source>Bottom (Maximized)</source>
        <translation>Abajo (todo el borde)</translation>
    </message>
    <message>
        <source>Left (Maximized)</source>
        <translation>Izquierda (todo el borde)</translation>
    </message>
    <message>
        <source>Set Password...</source>
        <translation>Establecer contraseña...</translation>
    </message>
    <message>
        <source>Change Password...</source>
        <translation>Cambiar contraseña...</translation>
    </message>
    <message>
        <source>Enter Kiosk Password</source>
        <translation>Introduce la contraseña del modo quiosco</translation>
    </message>
    <message>
        <source>Set Kiosk Password</source>
        <translation>Establecer la contraseña del modo quiosco</translation>
    </message>
    <message>
        <source>Cabinet Background Pattern</source>
        <translation>Patrón de fondo del armario</translation>
    </message>
    <message>
        <source>Cabinet Background Color</source>
        <translation>Color de fondo del armario</translation>
    </message>
    <message>
        <source>Cabinet Text Color</source>
        <translation>Color del texto del armario</translation>
    </message>
    <message>
        <source>Category Background Pattern</source>
        <translation>Patrón de fondo de las categorías</translation>
    </message>
    <message>
        <source>Category Background Color</source>
        <translation>Color de fondo de las categorías</translation>
    </message>
    <message>
        <source>Category Text Color</source>
        <translation>Color del texto de las categorías</translation>
    </message>
    <message>
        <source>Shelf Background Pattern</source>
        <translation>Patrón de fondo de los estantes</translation>
    </message>
    <message>
        <source>Shelf Background Color</source>
        <translation>Color de fondo de los estantes</translation>
    </message>
    <message>
        <source>Drop Indicator Color</source>
        <translation>Color del indicador al soltar</translation>
    </message>
    <message>
        <source>Item Selection Color</source>
        <translation>Color de selección de elementos</translation>
    </message>
    <message>
        <source>Name &amp; ToolTip Background Color</source>
        <translation>Color de fondo de nombres y descripciones emergentes</translation>
    </message>
    <message>
        <source>Name &amp; ToolTip Text Color</source>
        <translation>Color del texto de nombres y descripciones emergentes</translation>
    </message>
    <message>
        <source>Add &amp;New Color...</source>
        <translation>Añadir &amp;nuevo color...</translation>
    </message>
    <message>
        <source>Add &amp;New Pattern...</source>
        <translation>Añadir &amp;nuevo patrón...</translation>
    </message>
    <message>
        <source>Select Pattern</source>
        <translation>Seleccionar patrón</translation>
    </message>
    <message>
        <source>Images (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff)</source>
        <translation>Imágenes (*.bmp *.gif *.jpeg *.jpg *.png *.tif *.tiff)</translation>
    </message>
    <message>
        <source>This color cannot be removed because it isn&apos;t user-defined or is currently used in one or more styles.</source>
        <translation>No se puede quitar este color porque no lo has creado tú o porque se usa en uno o varios estilos.</translation>
    </message>
    <message>
        <source>This pattern cannot be removed because it isn&apos;t user-defined or is currently used in one or more styles.</source>
        <translation>No se puede quitar este patrón porque no lo has creado tú o porque se usa en uno o varios estilos.</translation>
    </message>
    <message>
        <source>The style &quot;%1&quot; could not be saved: %2</source>
        <translation>No se pudo guardar el estilo «%1»: %2</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>modificado</translation>
    </message>
    <message>
        <source>%1 (Modified)</source>
        <translation>%1 (modificado)</translation>
    </message>
    <message>
        <source>%1 (Modified%2)</source>
        <translation>%1 (modificado%2)</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be made</source>
        <translation>no se puede crear la carpeta «%1»</translation>
    </message>
</context>
<context>
    <name>PersonalizationWidgetClass</name>
    <message>
        <source>Vorenda Personalization</source>
        <translation>Personalización de Vorenda</translation>
    </message>
    <message>
        <source>420x530</source>
        <translation>420x530</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Cabinet Name:</source>
        <translation>Nombre del armario:</translation>
    </message>
    <message>
        <source>Cabinet Hotkey:</source>
        <translation>Atajo del armario:</translation>
    </message>
    <message>
        <source>Dock cabinet to the screen edge:</source>
        <translation>Acoplar el armario al borde de la pantalla:</translation>
    </message>
    <message>
        <source>QComboBox {}</source>
        <translation>QComboBox {}</translation>
    </message>
    <message>
        <source>When docked, show up this cabinet whenever:</source>
        <translation>Si está acoplado, mostrar este armario cuando:</translation>
    </message>
    <message>
        <source>I touch the screen edge with the mouse pointer.</source>
        <translation>toque el borde de la pantalla con el puntero del ratón.</translation>
    </message>
    <message>
        <source>And keep the mouse there for</source>
        <translation>y deje el ratón ahí durante</translation>
    </message>
    <message>
        <source>secs.</source>
        <translation>s.</translation>
    </message>
    <message>
        <source>But only if I am holding down the key:</source>
        <translation>pero solo si mantengo pulsada la tecla:</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>Cmd</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Auto hide after losing the keyboard focus.</source>
        <translation>Ocultar automáticamente al perder el foco del teclado.</translation>
    </message>
    <message>
        <source>Keep visible on top of other windows.</source>
        <translation>Mantener siempre encima de las demás ventanas.</translation>
    </message>
    <message>
        <source>Show in full-screen mode.</source>
        <translation>Mostrar a pantalla completa.</translation>
    </message>
    <message>
        <source>Show in kiosk mode.</source>
        <translation>Mostrar en modo quiosco.</translation>
    </message>
    <message>
        <source>Set &amp;Password...</source>
        <translation>Establecer &amp;contraseña...</translation>
    </message>
    <message>
        <source>Top bar:</source>
        <translation>Barra superior:</translation>
    </message>
    <message>
        <source>Hide top bar.</source>
        <translation>Ocultar la barra superior.</translation>
    </message>
    <message>
        <source>Hide search box.</source>
        <translation>Ocultar el cuadro de búsqueda.</translation>
    </message>
    <message>
        <source>Hide cabinet name.</source>
        <translation>Ocultar el nombre del armario.</translation>
    </message>
    <message>
        <source>Add hotkey to cabinet name.</source>
        <translation>Añadir el atajo al nombre del armario.</translation>
    </message>
    <message>
        <source>Menu bar:</source>
        <translation>Barra de menús:</translation>
    </message>
    <message>
        <source>Hide menu bar.</source>
        <translation>Ocultar la barra de menús.</translation>
    </message>
    <message>
        <source>Bottom bar:</source>
        <translation>Barra inferior:</translation>
    </message>
    <message>
        <source>Hide bottom bar.</source>
        <translation>Ocultar la barra inferior.</translation>
    </message>
    <message>
        <source>Hide cabinet information.</source>
        <translation>Ocultar la información del armario.</translation>
    </message>
    <message>
        <source>Hide thumbnail size slider.</source>
        <translation>Ocultar el control del tamaño de las miniaturas.</translation>
    </message>
    <message>
        <source>Categories:</source>
        <translation>Categorías:</translation>
    </message>
    <message>
        <source>Show full path.</source>
        <translation>Mostrar la ruta completa.</translation>
    </message>
    <message>
        <source>Show number of items.</source>
        <translation>Mostrar el número de elementos.</translation>
    </message>
    <message>
        <source>Show number of matches.</source>
        <translation>Mostrar el número de coincidencias.</translation>
    </message>
    <message>
        <source>Hide expand/collapse button.</source>
        <translation>Ocultar el botón de desplegar y plegar.</translation>
    </message>
    <message>
        <source>Text Font:</source>
        <translation>Fuente del texto:</translation>
    </message>
    <message>
        <source>Text Decoration:</source>
        <translation>Efecto del texto:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Drop Shadow</source>
        <translation>Sombra paralela</translation>
    </message>
    <message>
        <source>Inner Shadow</source>
        <translation>Sombra interior</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Cabinet Style:</source>
        <translation>Estilo del armario:</translation>
    </message>
    <message>
        <source>Style Settings:</source>
        <translation>Ajustes del estilo:</translation>
    </message>
    <message>
        <source>Apply To &amp;Related Elements</source>
        <translation>Aplicar a elementos &amp;relacionados</translation>
    </message>
    <message>
        <source>Add &amp;New Color...</source>
        <translation>Añadir &amp;nuevo color...</translation>
    </message>
    <message>
        <source>Shelf Reflection Level:</source>
        <translation>Reflejo de los estantes:</translation>
    </message>
    <message>
        <source>Shelf Perspective Level:</source>
        <translation>Perspectiva de los estantes:</translation>
    </message>
    <message>
        <source>Back Darkness Level:</source>
        <translation>Oscuridad del fondo:</translation>
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
    <name>PreferencesWidget</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Please restart the program to apply the new language.</source>
        <translation>Reinicia el programa para aplicar el nuevo idioma.</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>The Store Folder cannot be moved into itself. Please select a folder outside the current Store Folder.</source>
        <translation>La carpeta de almacenamiento no se puede mover dentro de sí misma. Elige una carpeta que esté fuera de la carpeta de almacenamiento actual.</translation>
    </message>
    <message>
        <source>Please restart the application to use the configuration from the selected Store Folder.</source>
        <translation>Reinicia el programa para usar la configuración de la carpeta de almacenamiento elegida.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espera...</translation>
    </message>
    <message>
        <source>Change Store Folder...</source>
        <translation>Cambiar carpeta...</translation>
    </message>
    <message>
        <source>The Store Folder could not be moved to the new location. Items that could not be copied: %1.

The current Store Folder stays in use.</source>
        <translation>No se pudo mover la carpeta de almacenamiento a la nueva ubicación. No se pudo copiar: %1.

Se sigue usando la carpeta de almacenamiento actual.</translation>
    </message>
    <message>
        <source>The new Store Folder could not be recorded in the settings.

The current Store Folder stays in use.</source>
        <translation>No se pudo guardar la nueva carpeta de almacenamiento en la configuración.

Se sigue usando la carpeta de almacenamiento actual.</translation>
    </message>
    <message>
        <source>The Store Folder was successfully moved to the new location!</source>
        <translation>¡La carpeta de almacenamiento se ha movido a la nueva ubicación!</translation>
    </message>
</context>
<context>
    <name>PreferencesWidgetClass</name>
    <message>
        <source>Vorenda Preferences</source>
        <translation>Preferencias de Vorenda</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Cabinet</source>
        <translation>Armario</translation>
    </message>
    <message>
        <source>Run at system startup.  (Recommended)</source>
        <translation>Iniciar con la sesión.  (Recomendado)</translation>
    </message>
    <message>
        <source>Show cabinets in Kiosk mode at system startup.</source>
        <translation>Mostrar al inicio los armarios en modo quiosco.</translation>
    </message>
    <message>
        <source>Automatically check for updates.</source>
        <translation>Buscar actualizaciones automáticamente.</translation>
    </message>
    <message>
        <source>User Interface Language:</source>
        <translation>Idioma de la interfaz:</translation>
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
        <translation>Atajos de teclado</translation>
    </message>
    <message>
        <source>Show All Cabinets:</source>
        <translation>Mostrar todos los armarios:</translation>
    </message>
    <message>
        <source>Hide All Cabinets:</source>
        <translation>Ocultar todos los armarios:</translation>
    </message>
    <message>
        <source>Quick Search:</source>
        <translation>Búsqueda rápida:</translation>
    </message>
    <message>
        <source>Store Folder</source>
        <translation>Carpeta de almacenamiento</translation>
    </message>
    <message>
        <source>The folder where the program stores its configuration files and data.</source>
        <translation>La carpeta en la que el programa guarda su configuración y sus datos.</translation>
    </message>
    <message>
        <source>Show Store Folder...</source>
        <translation>Mostrar carpeta...</translation>
    </message>
    <message>
        <source>Change Store Folder...</source>
        <translation>Cambiar carpeta...</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Single-click to open. %1+click to select.</source>
        <translation>Clic para abrir, %1+clic para seleccionar.</translation>
    </message>
    <message>
        <source>Double-click to open. Single-click to select.</source>
        <translation>Doble clic para abrir, clic para seleccionar.</translation>
    </message>
    <message>
        <source>Maximum thumbnail size [ 32...256 ]:</source>
        <translation>Tamaño máximo de imagen [ 32...256 ]:</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>When adding items show names:</source>
        <translation>Mostrar nombres al añadir:</translation>
    </message>
    <message>
        <source>If generic icon</source>
        <translation>Si el icono es genérico</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Siempre</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Animate items when hovering.</source>
        <translation>Animar los elementos al pasar el ratón.</translation>
    </message>
    <message>
        <source>Animate items when opening (launching).</source>
        <translation>Animar los elementos al abrirlos.</translation>
    </message>
    <message>
        <source>Search Box</source>
        <translation>Cuadro de búsqueda</translation>
    </message>
    <message>
        <source>When the cabinet is shown:</source>
        <translation>Al mostrar el armario:</translation>
    </message>
    <message>
        <source>Show the most recently opened items, if any.</source>
        <translation>Mostrar los últimos elementos abiertos.</translation>
    </message>
    <message>
        <source>Clear the search box and select the first item.</source>
        <translation>Vaciar la búsqueda y elegir el primer elemento.</translation>
    </message>
    <message>
        <source>Keep the last search in the box, if any.</source>
        <translation>Conservar la última búsqueda.</translation>
    </message>
    <message>
        <source>425x500</source>
        <translation>425x500</translation>
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
    <name>QObject</name>
    <message>
        <source>Application</source>
        <translation>Aplicación</translation>
    </message>
</context>
<context>
    <name>QuickSearchWidget</name>
    <message>
        <source>Results will be shown in your web browser</source>
        <translation>Los resultados se mostrarán en tu navegador web</translation>
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
        <translation>Búsqueda rápida: %1</translation>
    </message>
    <message>
        <source>Results: Not found</source>
        <translation>Resultados: ninguno</translation>
    </message>
    <message>
        <source>Results: 1 match</source>
        <translation>Resultados: 1 coincidencia</translation>
    </message>
    <message>
        <source>Results: %1 matches</source>
        <translation>Resultados: %1 coincidencias</translation>
    </message>
</context>
<context>
    <name>QuickSearchWidgetClass</name>
    <message>
        <source>Vorenda Quick Search</source>
        <translation>Búsqueda rápida de Vorenda</translation>
    </message>
    <message>
        <source>Quick Search</source>
        <translation>Búsqueda rápida</translation>
    </message>
</context>
<context>
    <name>QuickStartDialog</name>
    <message>
        <source>&lt;No Name&gt;</source>
        <translation>&lt;Sin nombre&gt;</translation>
    </message>
    <message>
        <source>Please select an existing cabinet or create a new cabinet!</source>
        <translation>¡Selecciona un armario existente o crea un armario nuevo!</translation>
    </message>
    <message>
        <source>%1 Style</source>
        <translation>Estilo %1</translation>
    </message>
    <message>
        <source>Customize...</source>
        <translation>Personalizar...</translation>
    </message>
</context>
<context>
    <name>QuickStartDialogClass</name>
    <message>
        <source>Quick Start</source>
        <translation>Inicio rápido</translation>
    </message>
    <message>
        <source>Select Cabinet:</source>
        <translation>Seleccionar armario:</translation>
    </message>
    <message>
        <source>Change Cabinet Style</source>
        <translation>Cambiar el estilo del armario</translation>
    </message>
    <message>
        <source>Add Category / Subcategory</source>
        <translation>Añadir categoría / subcategoría</translation>
    </message>
    <message>
        <source>Add Items To Cabinet</source>
        <translation>Añadir elementos al armario</translation>
    </message>
    <message>
        <source>Personalize Cabinet</source>
        <translation>Personalizar el armario</translation>
    </message>
    <message>
        <source>Dock To Screen Edge</source>
        <translation>Acoplar al borde de la pantalla</translation>
    </message>
    <message>
        <source>Help &amp; Support</source>
        <translation>Ayuda y soporte</translation>
    </message>
    <message>
        <source>Remember to right-click anywhere on the cabinet, categories and items to show up the contextual menu with more related commands</source>
        <translation>Recuerda: haz clic con el botón derecho en el armario, en una categoría o en un elemento para abrir el menú contextual con más comandos relacionados.</translation>
    </message>
    <message>
        <source>340x455</source>
        <translation>340x455</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Quitar</translation>
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
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>SetPasswordDialog</name>
    <message>
        <source>The passwords didn&apos;t match. Please try again.</source>
        <translation>Las contraseñas no coinciden. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>To remove the password leave both fields blank.</source>
        <translation>Para quitar la contraseña, deja los dos campos en blanco.</translation>
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
        <translation>Las contraseñas no coinciden. Inténtalo de nuevo.</translation>
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
        <translation>contiene subcarpetas. ¿Qué quieres hacer?</translation>
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
    <name>UnsavedFilesQuestion</name>
    <message>
        <source>These files could not be saved:

%1

If you quit now, their latest changes are lost. Remove the cause (make room on the disk, say) and try again.</source>
        <translation>No se pudieron guardar estos archivos:

%1

Si sale ahora, se perderán sus últimos cambios. Elimine la causa (por ejemplo, libere espacio en el disco) e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Intentar de nuevo</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Salir de todos modos</translation>
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
        <translation>Sitio web de Vorenda</translation>
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
        <translation>Ayuda y soporte</translation>
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
        <translation>mailto:support@vorenda.org?Subject=Customer Feedback&amp;Message=&apos; &apos;</translation>
    </message>
    <message>
        <source>Enter Kiosk Password</source>
        <translation>Introduce la contraseña del modo quiosco</translation>
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
        <translation>¡Estás al día! Vorenda %1.%2.%3 es la versión más reciente.</translation>
    </message>
    <message>
        <source>Vorenda could not check for updates. %1</source>
        <translation>Vorenda no pudo buscar actualizaciones. %1</translation>
    </message>
    <message>
        <source>the list of cabinets and the preferences</source>
        <translation>la lista de armarios y las preferencias</translation>
    </message>
    <message>
        <source>The damaged file cannot be kept aside.</source>
        <translation>El archivo dañado no se puede apartar.</translation>
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
        <translation>¡El modo «Siempre encima» está ahora %1!</translation>
    </message>
    <message>
        <source>Auto Hide mode is now %1!</source>
        <translation>¡El modo «Ocultar automáticamente» está ahora %1!</translation>
    </message>
    <message>
        <source>Full Screen mode is now %1!</source>
        <translation>¡El modo de pantalla completa está ahora %1!</translation>
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
        <translation>Introduce la contraseña del modo quiosco</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following category and all the subcategories and items it might contain?</source>
        <translation>¿Seguro que quieres quitar la siguiente categoría con todas las subcategorías y elementos que pueda contener?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following category and all the items it might contain?</source>
        <translation>¿Seguro que quieres quitar la siguiente categoría con todos los elementos que pueda contener?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following categories and all the subcategories and items they might contain?</source>
        <translation>¿Seguro que quieres quitar las siguientes categorías con todas las subcategorías y elementos que puedan contener?</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following subcategories and all the items they might contain?</source>
        <translation>¿Seguro que quieres quitar las siguientes subcategorías con todos los elementos que puedan contener?</translation>
    </message>
    <message>
        <source>Could not locate &apos;%1&apos;, make sure the file that this item refers to has not been deleted or moved!</source>
        <translation>No se encuentra «%1». Comprueba que el archivo al que remite este elemento no se haya eliminado ni movido.</translation>
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
        <translation>Las miniaturas de los elementos web se generan en segundo plano. Puede tardar unos segundos por elemento, así que ten paciencia.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the following items?</source>
        <translation>¿Seguro que quieres quitar los siguientes elementos?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Cabinet and all the categories, subcategories and items it might contain?</source>
        <translation>¿Seguro que quieres eliminar este armario con todas las categorías, subcategorías y elementos que contenga?</translation>
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
        <translation>Plegar «%1»</translation>
    </message>
    <message>
        <source>Collapse All</source>
        <translation>Plegar todas</translation>
    </message>
    <message>
        <source>Collapse All Categories</source>
        <translation>Plegar todas las categorías</translation>
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
        <translation>Desplegar «%1»</translation>
    </message>
    <message>
        <source>Expand All</source>
        <translation>Desplegar todas</translation>
    </message>
    <message>
        <source>Expand All Categories</source>
        <translation>Desplegar todas las categorías</translation>
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
        <translation>Ayuda y soporte</translation>
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
        <translation>mailto:support@vorenda.org?Subject=Customer Feedback&amp;Message=&apos; &apos;</translation>
    </message>
    <message>
        <source>Stay On Top</source>
        <translation>Siempre encima</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Auto Hide</source>
        <translation>Ocultar automáticamente</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Toggle Name</source>
        <translation>Mostrar u ocultar nombre</translation>
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
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Ctrl+Up</source>
        <translation>Ctrl+Up</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Ctrl+Right</source>
        <translation>Ctrl+Right</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Ctrl+Down</source>
        <translation>Ctrl+Down</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Ctrl+Left</source>
        <translation>Ctrl+Left</translation>
    </message>
    <message>
        <source>Top (Maximized)</source>
        <translation>Arriba (todo el borde)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Up</source>
        <translation>Ctrl+Shift+Up</translation>
    </message>
    <message>
        <source>Right (Maximized)</source>
        <translation>Derecha (todo el borde)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Right</source>
        <translation>Ctrl+Shift+Right</translation>
    </message>
    <message>
        <source>Bottom (Maximized)</source>
        <translation>Abajo (todo el borde)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Down</source>
        <translation>Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>Left (Maximized)</source>
        <translation>Izquierda (todo el borde)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Left</source>
        <translation>Ctrl+Shift+Left</translation>
    </message>
    <message>
        <source>None (Floating)</source>
        <translation>Ninguno (flotante)</translation>
    </message>
    <message>
        <source>Shift+Esc</source>
        <translation>Shift+Esc</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Propiedades...</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Select All Items</source>
        <translation>Seleccionar todos los elementos</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Switch between or cycle through cabinets clockwise</source>
        <translation>Cambiar de armario o recorrerlos en el sentido de las agujas del reloj</translation>
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
        <translation>Cambiar de armario o recorrerlos en sentido contrario a las agujas del reloj</translation>
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
        <translation>Guía de inicio rápido</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Quick Start...</source>
        <translation>Inicio rápido...</translation>
    </message>
    <message>
        <source>Ctrl+F1</source>
        <translation>Ctrl+F1</translation>
    </message>
    <message>
        <source>Clear Search Box</source>
        <translation>Vaciar el cuadro de búsqueda</translation>
    </message>
    <message>
        <source>Repeat Last Search</source>
        <translation>Repetir la última búsqueda</translation>
    </message>
    <message>
        <source>Alt+1</source>
        <translation>Alt+1</translation>
    </message>
    <message>
        <source>Show Recently Opened</source>
        <translation>Mostrar abiertos recientemente</translation>
    </message>
    <message>
        <source>Alt+2</source>
        <translation>Alt+2</translation>
    </message>
    <message>
        <source>Show Recently Added</source>
        <translation>Mostrar añadidos recientemente</translation>
    </message>
    <message>
        <source>Alt+3</source>
        <translation>Alt+3</translation>
    </message>
    <message>
        <source>Search Names Only</source>
        <translation>Buscar solo en los nombres</translation>
    </message>
    <message>
        <source>Alt+4</source>
        <translation>Alt+4</translation>
    </message>
    <message>
        <source>Search Descriptions Only</source>
        <translation>Buscar solo en las descripciones</translation>
    </message>
    <message>
        <source>Alt+5</source>
        <translation>Alt+5</translation>
    </message>
    <message>
        <source>Search Tags Only</source>
        <translation>Buscar solo en las etiquetas</translation>
    </message>
    <message>
        <source>Alt+6</source>
        <translation>Alt+6</translation>
    </message>
    <message>
        <source>Search All</source>
        <translation>Buscar en todo</translation>
    </message>
    <message>
        <source>Alt+7</source>
        <translation>Alt+7</translation>
    </message>
    <message>
        <source>Show Most Popular</source>
        <translation>Mostrar los más usados</translation>
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
        <translation>Enviar comentarios...</translation>
    </message>
    <message>
        <source>Vorenda Home Page</source>
        <translation>Sitio web de Vorenda</translation>
    </message>
    <message>
        <source>%1 Categories, %2 Items</source>
        <translation>Categorías: %1, elementos: %2</translation>
    </message>
    <message>
        <source>Browser Bookmarks</source>
        <translation>Marcadores del navegador</translation>
    </message>
    <message>
        <source>No browser bookmarks were found!</source>
        <translation>¡No se encontraron marcadores del navegador!</translation>
    </message>
    <message>
        <source>Only the first %1 bookmarks were imported. Left out: %2.</source>
        <translation>Solo se importaron los primeros %1 marcadores. Omitidos: %2.</translation>
    </message>
    <message>
        <source>Only the first %1 links were pasted. Left out: %2.</source>
        <translation>Solo se pegaron los primeros %1 enlaces. Omitidos: %2.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not opened: only web addresses (http, https, ftp), mail addresses (mailto) and local files and folders are opened.</source>
        <translation>No se ha abierto «%1»: solo se abren direcciones web (http, https, ftp), direcciones de correo (mailto) y archivos y carpetas locales.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; was not started because it is not trusted: it is shown in the file manager instead. A program starts from an entry in an applications folder, or from one you made executable: to trust this one, make it executable (in its properties in the file manager, or with &quot;chmod +x&quot;) and open it again.</source>
        <translation>No se ha iniciado «%1» porque no es de confianza: se muestra en el gestor de archivos en su lugar. Un programa se inicia desde una entrada de una carpeta de aplicaciones o desde una que usted haya hecho ejecutable: para confiar en esta, hágala ejecutable (en sus propiedades del gestor de archivos o con «chmod +x») y ábrala de nuevo.</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilidades</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>a cabinet without a name</source>
        <translation>un armario sin nombre</translation>
    </message>
    <message>
        <source>the cabinet &quot;%1&quot;</source>
        <translation>el armario «%1»</translation>
    </message>
    <message>
        <source>The damaged file cannot be kept aside.</source>
        <translation>El archivo dañado no se puede apartar.</translation>
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
        <translation>Detener</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Utilidades</translation>
    </message>
    <message numerus="yes">
        <source>%n items added</source>
        <translation>
            <numerusform>%n elemento añadido</numerusform>
            <numerusform>%n elementos añadidos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WelcomeDialogClass</name>
    <message>
        <source>Welcome to Vorenda</source>
        <translation>Te damos la bienvenida a Vorenda</translation>
    </message>
    <message>
        <source>Vorenda is ready to add some useful items so that you’ll always have them at hand! Click the &apos;Start&apos; button below to begin or &apos;Finish&apos; to close this wizard.</source>
        <translation>¡Vorenda está listo para añadir algunos elementos útiles y que los tengas siempre a mano! Haz clic abajo en «Empezar» para comenzar o en «Finalizar» para cerrar este asistente.</translation>
    </message>
    <message>
        <source>Desktop Items</source>
        <translation>Elementos del escritorio</translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>Sin añadir</translation>
    </message>
    <message>
        <source>Applications and Utilities</source>
        <translation>Aplicaciones y utilidades</translation>
    </message>
    <message>
        <source>Later, you&apos;ll be able to modify or create new cabinets, add categories and items, remove existing ones or reorganize them the way you like.</source>
        <translation>Más adelante podrás modificar los armarios o crear otros nuevos, añadir categorías y elementos, quitar los que ya haya u organizarlos como prefieras.</translation>
    </message>
    <message>
        <source>Want to try another style while the items are added?</source>
        <translation>¿Quieres probar otro estilo mientras se añaden los elementos?</translation>
    </message>
    <message>
        <source>You can fully personalize cabinets and change preferences by using the shortcut menus displayed when right-clicking on a cabinet, category, item or the status icon.</source>
        <translation>Puedes personalizar por completo los armarios y cambiar las preferencias con los menús contextuales que aparecen al hacer clic derecho en un armario, una categoría, un elemento o el icono de estado.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finalizar</translation>
    </message>
</context>
</TS>
