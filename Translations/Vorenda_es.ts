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
</TS>
