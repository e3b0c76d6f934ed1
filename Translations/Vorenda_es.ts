<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</TS>
