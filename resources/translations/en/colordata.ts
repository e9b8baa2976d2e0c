<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ColorDataOperatorWidget</name>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>重测</source>
        <translation>Re-measure</translation>
    </message>
    <message>
        <source>删除此颜色（会先询问）。</source>
        <translation>Delete this color (asks first).</translation>
    </message>
    <message>
        <source>用仪器的新测量值替换此颜色的数值（会先询问）。
需要：已连接仪器、已锁定色卡库。</source>
        <translation>Replace this color&apos;s values with a new measurement (asks first).
Needs a connected meter and a locked library.</translation>
    </message>
</context>
</TS>
