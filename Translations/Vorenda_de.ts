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
</TS>
