<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>%n line of the clipboard was not pasted.</numerusform>
            <numerusform>%n lines of the clipboard were not pasted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n line was not a number and counts as 0.</numerusform>
            <numerusform>%n lines were not numbers and count as 0.</numerusform>
        </translation>
    </message>
</context>
</TS>
