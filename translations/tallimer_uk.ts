<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translation>тека</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translation>файл лише для читання</translation>
    </message>
    <message>
        <source>home folder</source>
        <translation>домашня тека</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>батьківська тека</translation>
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
        <translation>мінус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>помножити на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>поділити на</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>знак операції в рядку %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Рядок %1</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Average : </source>
        <translation>Середнє : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translation>Медіана : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Мода : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translation>Підсумок...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translation>Відкрити обчислення...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translation>Зберегти обчислення...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translation>Неможливо записати у файл або на диск лише для читання...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>Друк недоступний: не вдалося завантажити бібліотеку друку.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>Немає принтера: налаштуйте типовий принтер, щоб надрукувати обчислення.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translation>Не вдалося надрукувати обчислення на %1.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translation>Очистити все...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translation>Копіювати числа...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translation>Вставити числа...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translation>Упорядкувати числа...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translation>Друкувати обчислення...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Десяткові знаки</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Плаваюча кома</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Підсумок</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>Числа...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translation>Середнє...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translation>Медіана...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translation>Мода...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>Підсумок</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>Пам’ять</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>%n рядок з буфера обміну не вставлено.</numerusform>
            <numerusform>%n рядки з буфера обміну не вставлено.</numerusform>
            <numerusform>%n рядків з буфера обміну не вставлено.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>Не вдалося надрукувати обчислення: принтер не відповідає.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n рядок не був числом і рахується як 0.</numerusform>
            <numerusform>%n рядки не були числами і рахуються як 0.</numerusform>
            <numerusform>%n рядків не були числами і рахуються як 0.</numerusform>
        </translation>
    </message>
</context>
</TS>
