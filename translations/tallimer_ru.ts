<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translation>папка</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translation>файл только для чтения</translation>
    </message>
    <message>
        <source>home folder</source>
        <translation>домашняя папка</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>родительская папка</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>диск</translation>
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
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>умножить на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>разделить на</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>знак операции в строке %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Строка %1</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Average : </source>
        <translation>Среднее : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translation>Медиана : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Мода : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translation>Итог...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translation>Открыть расчёт...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translation>Сохранить расчёт...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translation>Невозможно записать в файл или на диск только для чтения...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>Печать недоступна: не удалось загрузить библиотеку печати.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>Принтер не найден: настройте принтер по умолчанию, чтобы напечатать расчёт.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translation>Не удалось напечатать расчёт на %1.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translation>Очистить всё...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translation>Копировать числа...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translation>Вставить числа...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translation>Сортировать числа...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translation>Печать расчёта...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Десятичные знаки</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Плавающая запятая</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>Числа...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translation>Среднее...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translation>Медиана...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translation>Мода...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>Память</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>%n строка из буфера обмена не вставлена.</numerusform>
            <numerusform>%n строки из буфера обмена не вставлены.</numerusform>
            <numerusform>%n строк из буфера обмена не вставлено.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>Не удалось напечатать расчёт: принтер не отвечает.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n строка не была числом и считается как 0.</numerusform>
            <numerusform>%n строки не были числами и считаются как 0.</numerusform>
            <numerusform>%n строк не были числами и считаются как 0.</numerusform>
        </translation>
    </message>
</context>
</TS>
