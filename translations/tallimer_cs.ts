<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>složka</translation>
    </message>
    <message>
        <source>file</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>soubor</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>soubor jen pro čtení</translation>
    </message>
    <message>
        <source>home folder</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>domovská složka</translation>
    </message>
    <message>
        <source>drive</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>jednotka</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>nadřazená složka</translation>
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
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>krát</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>děleno</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>znaménko řádku %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translatorcomment>Read by a screen reader: the name of an entry row of the tape, %1 its line number.</translatorcomment>
        <translation>Řádek %1</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translatorcomment>Shown in the total box when the result is beyond the number range.</translatorcomment>
        <translation>Přetečení</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Shown in the total box when the tape cannot be totalled (e.g. a division by zero).</translatorcomment>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Average : </source>
        <translatorcomment>Label before the arithmetic mean of the tape&apos;s values. Keep the colon and the spaces around it: the number follows after the colon.</translatorcomment>
        <translation>Průměr : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translatorcomment>Label before the MEDIAN: the middle value of the sorted tape values above zero (not the arithmetic mean). Keep the colon and the spaces around it.</translatorcomment>
        <translation>Medián : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translatorcomment>Label before the most frequent value of the tape (statistical mode). Keep the colon and the spaces around it.</translatorcomment>
        <translation>Modus : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translatorcomment>Shown in the total box before anything is typed.</translatorcomment>
        <translation>Součet...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translatorcomment>Menu item and dialog caption: opens a saved tape (calculation file).</translatorcomment>
        <translation>Otevřít výpočet...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translatorcomment>Menu item and dialog caption: saves the tape to a calculation file.</translatorcomment>
        <translation>Uložit výpočet...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translatorcomment>Shown whenever opening or saving a calculation file fails, whatever the reason.</translatorcomment>
        <translation>Nelze zapisovat do souboru nebo na jednotku jen pro čtení...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translatorcomment>Button of the file dialog that opens the chosen calculation file.</translatorcomment>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save</source>
        <translatorcomment>Button of the file dialog that saves to the chosen file.</translatorcomment>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Soubor:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
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
        <translation>Tisk není k dispozici: knihovnu pro tisk nelze načíst.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>Není nastavena žádná tiskárna: pro tisk výpočtu nastavte výchozí tiskárnu.</translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>Výpočet nelze vytisknout: tiskárna neodpovídá.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translatorcomment>%1 is the printer&apos;s name.</translatorcomment>
        <translation>Výpočet nelze vytisknout na tiskárně %1.</translation>
    </message>
    <message>
        <source>Options</source>
        <translatorcomment>Menu title: file, clipboard, sort and print commands.</translatorcomment>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translatorcomment>Empties the whole tape.</translatorcomment>
        <translation>Vymazat vše...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translatorcomment>Copies the tape&apos;s numbers to the clipboard.</translatorcomment>
        <translation>Kopírovat čísla...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translatorcomment>Appends numbers from the clipboard to the tape.</translatorcomment>
        <translation>Vložit čísla...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translatorcomment>Sorts the tape&apos;s lines by value.</translatorcomment>
        <translation>Seřadit čísla...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translatorcomment>Prints the tape and its total.</translatorcomment>
        <translation>Tisknout výpočet...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translatorcomment>Menu title: number of decimal places shown.</translatorcomment>
        <translation>Desetinná místa</translation>
    </message>
    <message>
        <source>Variable</source>
        <translatorcomment>Decimals menu item: each number shows as many decimal places as it has.</translatorcomment>
        <translation>Plovoucí čárka</translation>
    </message>
    <message>
        <source>Total</source>
        <translatorcomment>Menu title: chooses what the total box shows.</translatorcomment>
        <translation>Součet</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translatorcomment>Total menu item: the total box shows the running total of the tape.</translatorcomment>
        <translation>Čísla...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translatorcomment>Total menu item: the total box shows the arithmetic mean of the tape&apos;s values.</translatorcomment>
        <translation>Průměr...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translatorcomment>Total menu item: despite the English name, the total box shows the MEDIAN, the middle value of the sorted tape (values above zero). Translate as median.</translatorcomment>
        <translation>Medián...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translatorcomment>Total menu item: the total box shows the most frequent value of the tape (statistical mode).</translatorcomment>
        <translation>Modus...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>Součet</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>Paměť</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translatorcomment>%n is the number of lines of a paste that did not fit the tape.</translatorcomment>
        <translation>
            <numerusform>%n řádek ze schránky nebyl vložen.</numerusform>
            <numerusform>%n řádky ze schránky nebyly vloženy.</numerusform>
            <numerusform>%n řádků ze schránky nebylo vloženo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n řádek nebyl číslo a počítá se jako 0.</numerusform>
            <numerusform>%n řádky nebyly čísla a počítají se jako 0.</numerusform>
            <numerusform>%n řádků nebylo čísly a počítají se jako 0.</numerusform>
        </translation>
    </message>
</context>
</TS>
