<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>folder</translation>
    </message>
    <message>
        <source>file</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>plik</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>plik tylko do odczytu</translation>
    </message>
    <message>
        <source>home folder</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>folder domowy</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>folder nadrzędny</translation>
    </message>
    <message>
        <source>drive</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>dysk</translation>
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
        <source>Line %1</source>
        <translatorcomment>Read by a screen reader: the name of an entry row of the tape, %1 its line number.</translatorcomment>
        <translation>Wiersz %1</translation>
    </message>
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
        <translation>razy</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>podzielone przez</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>operator wiersza %1, %2</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translatorcomment>Shown in the total box when the result is beyond the number range.</translatorcomment>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Shown in the total box when the tape cannot be totalled (e.g. a division by zero).</translatorcomment>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Average : </source>
        <translatorcomment>Label before the arithmetic mean of the tape&apos;s values. Keep the colon and the spaces around it: the number follows after the colon.</translatorcomment>
        <translation>Średnia : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translatorcomment>Label before the MEDIAN: the middle value of the sorted tape values above zero (not the arithmetic mean). Keep the colon and the spaces around it.</translatorcomment>
        <translation>Mediana : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translatorcomment>Label before the most frequent value of the tape (statistical mode). Keep the colon and the spaces around it.</translatorcomment>
        <translation>Dominanta : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translatorcomment>Shown in the total box before anything is typed.</translatorcomment>
        <translation>Suma...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translatorcomment>Menu item and dialog caption: opens a saved tape (calculation file).</translatorcomment>
        <translation>Otwórz obliczenia...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translatorcomment>Menu item and dialog caption: saves the tape to a calculation file.</translatorcomment>
        <translation>Zapisz obliczenia...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translatorcomment>Shown whenever opening or saving a calculation file fails, whatever the reason.</translatorcomment>
        <translation>Nie można zapisać do pliku lub napędu tylko do odczytu...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translatorcomment>Button of the file dialog that opens the chosen calculation file.</translatorcomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translatorcomment>Button of the file dialog that saves to the chosen file.</translatorcomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
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
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>Brak drukarki: skonfiguruj drukarkę domyślną, aby wydrukować obliczenia.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translatorcomment>%1 is the printer&apos;s name.</translatorcomment>
        <translation>Nie udało się wydrukować obliczeń na %1.</translation>
    </message>
    <message>
        <source>Options</source>
        <translatorcomment>Menu title: file, clipboard, sort and print commands.</translatorcomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translatorcomment>Empties the whole tape.</translatorcomment>
        <translation>Wyczyść wszystko...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translatorcomment>Copies the tape&apos;s numbers to the clipboard.</translatorcomment>
        <translation>Kopiuj liczby...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translatorcomment>Appends numbers from the clipboard to the tape.</translatorcomment>
        <translation>Wklej liczby...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translatorcomment>Sorts the tape&apos;s lines by value.</translatorcomment>
        <translation>Sortuj liczby...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translatorcomment>Prints the tape and its total.</translatorcomment>
        <translation>Drukuj obliczenia...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translatorcomment>Menu title: number of decimal places shown.</translatorcomment>
        <translation>Miejsca dziesiętne</translation>
    </message>
    <message>
        <source>Variable</source>
        <translatorcomment>Decimals menu item: each number shows as many decimal places as it has.</translatorcomment>
        <translation>Zmiennoprzecinkowe</translation>
    </message>
    <message>
        <source>Total</source>
        <translatorcomment>Menu title: chooses what the total box shows.</translatorcomment>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translatorcomment>Total menu item: the total box shows the running total of the tape.</translatorcomment>
        <translation>Liczby...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translatorcomment>Total menu item: the total box shows the arithmetic mean of the tape&apos;s values.</translatorcomment>
        <translation>Średnia...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translatorcomment>Total menu item: despite the English name, the total box shows the MEDIAN, the middle value of the sorted tape (values above zero). Translate as median.</translatorcomment>
        <translation>Mediana...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translatorcomment>Total menu item: the total box shows the most frequent value of the tape (statistical mode).</translatorcomment>
        <translation>Dominanta...</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translatorcomment>%n is the number of lines of a paste that did not fit the tape.</translatorcomment>
        <translation>
            <numerusform>%n wiersz ze schowka nie został wklejony.</numerusform>
            <numerusform>%n wiersze ze schowka nie zostały wklejone.</numerusform>
            <numerusform>%n wierszy ze schowka nie zostało wklejonych.</numerusform>
        </translation>
    </message>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>Drukowanie jest niedostępne: nie udało się wczytać biblioteki drukowania.</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>Nie udało się wydrukować obliczeń: drukarka nie odpowiada.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n wiersz nie był liczbą i liczy się jako 0.</numerusform>
            <numerusform>%n wiersze nie były liczbami i liczą się jako 0.</numerusform>
            <numerusform>%n wierszy nie było liczbami i liczy się je jako 0.</numerusform>
        </translation>
    </message>
</context>
</TS>
