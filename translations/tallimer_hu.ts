<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>mappa</translation>
    </message>
    <message>
        <source>file</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>fájl</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>írásvédett fájl</translation>
    </message>
    <message>
        <source>home folder</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>saját mappa</translation>
    </message>
    <message>
        <source>drive</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>meghajtó</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>szülőmappa</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>LTR in a language written left to right, RTL in one written right to left.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>TapeLineNames</name>
    <message>
        <source>plus</source>
        <translation>plusz</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>mínusz</translation>
    </message>
    <message>
        <source>times</source>
        <translation>szorozva</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>osztva</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>%1. sor műveleti jele, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translatorcomment>Read by a screen reader: the name of an entry row of the tape, %1 its line number.</translatorcomment>
        <translation>%1. sor</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translatorcomment>Shown in the total box when the result is beyond the number range.</translatorcomment>
        <translation>Túlcsordulás</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Shown in the total box when the tape cannot be totalled (e.g. a division by zero).</translatorcomment>
        <translation>Hiba</translation>
    </message>
    <message>
        <source>Average : </source>
        <translatorcomment>Label before the arithmetic mean of the tape&apos;s values. Keep the colon and the spaces around it: the number follows after the colon.</translatorcomment>
        <translation>Átlag : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translatorcomment>Label before the MEDIAN: the middle value of the sorted tape values above zero (not the arithmetic mean). Keep the colon and the spaces around it.</translatorcomment>
        <translation>Medián : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translatorcomment>Label before the most frequent value of the tape (statistical mode). Keep the colon and the spaces around it.</translatorcomment>
        <translation>Módusz : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translatorcomment>Shown in the total box before anything is typed.</translatorcomment>
        <translation>Összeg...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translatorcomment>Menu item and dialog caption: opens a saved tape (calculation file).</translatorcomment>
        <translation>Számítás megnyitása...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translatorcomment>Menu item and dialog caption: saves the tape to a calculation file.</translatorcomment>
        <translation>Számítás mentése...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translatorcomment>Shown whenever opening or saving a calculation file fails, whatever the reason.</translatorcomment>
        <translation>Nem lehet írni írásvédett fájlba vagy meghajtóra...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translatorcomment>Button of the file dialog that opens the chosen calculation file.</translatorcomment>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Save</source>
        <translatorcomment>Button of the file dialog that saves to the chosen file.</translatorcomment>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Fájlnév:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>A nyomtatás nem érhető el: a nyomtatási könyvtár nem tölthető be.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>Nincs nyomtató: a számítás nyomtatásához állítson be egy alapértelmezett nyomtatót.</translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>A számítás nem nyomtatható ki: a nyomtató nem válaszol.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translatorcomment>%1 is the printer&apos;s name.</translatorcomment>
        <translation>A számítás nem nyomtatható ki ezen a nyomtatón: %1.</translation>
    </message>
    <message>
        <source>Options</source>
        <translatorcomment>Menu title: file, clipboard, sort and print commands.</translatorcomment>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translatorcomment>Empties the whole tape.</translatorcomment>
        <translation>Összes törlése...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translatorcomment>Copies the tape&apos;s numbers to the clipboard.</translatorcomment>
        <translation>Számok másolása...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translatorcomment>Appends numbers from the clipboard to the tape.</translatorcomment>
        <translation>Számok beillesztése...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translatorcomment>Sorts the tape&apos;s lines by value.</translatorcomment>
        <translation>Számok rendezése...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translatorcomment>Prints the tape and its total.</translatorcomment>
        <translation>Számítás nyomtatása...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translatorcomment>Menu title: number of decimal places shown.</translatorcomment>
        <translation>Tizedesjegyek</translation>
    </message>
    <message>
        <source>Variable</source>
        <translatorcomment>Decimals menu item: each number shows as many decimal places as it has.</translatorcomment>
        <translation>Lebegőpontos</translation>
    </message>
    <message>
        <source>Total</source>
        <translatorcomment>Menu title: chooses what the total box shows.</translatorcomment>
        <translation>Összeg</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translatorcomment>Total menu item: the total box shows the running total of the tape.</translatorcomment>
        <translation>Számok...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translatorcomment>Total menu item: the total box shows the arithmetic mean of the tape&apos;s values.</translatorcomment>
        <translation>Átlag...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translatorcomment>Total menu item: despite the English name, the total box shows the MEDIAN, the middle value of the sorted tape (values above zero). Translate as median.</translatorcomment>
        <translation>Medián...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translatorcomment>Total menu item: the total box shows the most frequent value of the tape (statistical mode).</translatorcomment>
        <translation>Módusz...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>Összeg</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>Memória</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translatorcomment>%n is the number of lines of a paste that did not fit the tape.</translatorcomment>
        <translation>
            <numerusform>A vágólap %n sora nem lett beillesztve.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n sor nem szám volt, és 0-nak számít.</numerusform>
        </translation>
    </message>
</context>
</TS>
