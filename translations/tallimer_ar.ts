<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translation>ملف للقراءة فقط</translation>
    </message>
    <message>
        <source>home folder</source>
        <translation>المجلد الشخصي</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>المجلد الأصل</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>محرك أقراص</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>LTR in a language written left to right, RTL in one written right to left.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>TapeLineNames</name>
    <message>
        <source>plus</source>
        <translation>زائد</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>ناقص</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ضرب</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>مقسومًا على</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>علامة العملية في السطر %1، %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>السطر %1</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Average : </source>
        <translation>المتوسط : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translation>الوسيط : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>المنوال : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translation>المجموع...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translation>فتح عملية حسابية...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translation>حفظ العملية الحسابية...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translation>تعذرت الكتابة في ملف أو محرك للقراءة فقط...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>الملف:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>الطباعة غير متاحة: تعذر تحميل مكتبة الطباعة.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>لا توجد طابعة: اضبط طابعة افتراضية لطباعة العملية الحسابية.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translation>تعذرت طباعة العملية الحسابية على %1.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translation>مسح الكل...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translation>نسخ الأرقام...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translation>لصق الأرقام...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translation>فرز الأرقام...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translation>طباعة العملية الحسابية...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>المنازل العشرية</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>عدد متغير</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>المجموع</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>الأرقام...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translation>المتوسط...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translation>الوسيط...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translation>المنوال...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>المجموع</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>الذاكرة</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>لم يُلصق أي سطر من الحافظة.</numerusform>
            <numerusform>لم يُلصق سطر واحد من الحافظة.</numerusform>
            <numerusform>لم يُلصق سطران من الحافظة.</numerusform>
            <numerusform>لم تُلصق %n أسطر من الحافظة.</numerusform>
            <numerusform>لم يُلصق %n سطرًا من الحافظة.</numerusform>
            <numerusform>لم يُلصق %n سطر من الحافظة.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>تعذرت طباعة العملية الحسابية: الطابعة لا تستجيب.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>لم يكن أي سطر غير رقم.</numerusform>
            <numerusform>سطر واحد لم يكن رقمًا ويُحسب 0.</numerusform>
            <numerusform>سطران لم يكونا رقمين ويُحسبان 0.</numerusform>
            <numerusform>%n أسطر لم تكن أرقامًا وتُحسب 0.</numerusform>
            <numerusform>%n سطرًا لم تكن أرقامًا وتُحسب 0.</numerusform>
            <numerusform>%n سطر لم تكن أرقامًا وتُحسب 0.</numerusform>
        </translation>
    </message>
</context>
</TS>
