<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translation>پوشه</translation>
    </message>
    <message>
        <source>file</source>
        <translation>پرونده</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translation>پروندهٔ فقط‌خواندنی</translation>
    </message>
    <message>
        <source>home folder</source>
        <translation>پوشهٔ خانگی</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>پوشه والد</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>دیسک</translation>
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
        <translation>به‌علاوه</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>منها</translation>
    </message>
    <message>
        <source>times</source>
        <translation>ضرب در</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>تقسیم بر</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>عملگر سطر %1، %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>سطر %1</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translation>سرریز</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطا</translation>
    </message>
    <message>
        <source>Average : </source>
        <translation>میانگین : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translation>میانه : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>نما : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translation>جمع...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translation>باز کردن محاسبه...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translation>ذخیرهٔ محاسبه...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translation>نوشتن در پرونده یا دیسک فقط‌خواندنی ممکن نیست...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translation>باز کردن</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>ذخیره</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>نام:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>لغو</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>چاپ در دسترس نیست: کتابخانهٔ چاپ بار نشد.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>چاپگری نیست: برای چاپ محاسبه یک چاپگر پیش‌فرض تنظیم کنید.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translation>محاسبه روی %1 چاپ نشد.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>گزینه‌ها</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translation>پاک کردن همه...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translation>رونوشت اعداد...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translation>چسباندن اعداد...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translation>مرتب‌سازی اعداد...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translation>چاپ محاسبه...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>رقم‌های اعشار</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>متغیر</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>جمع</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>اعداد...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translation>میانگین...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translation>میانه...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translation>نما...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>جمع</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>حافظه</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>%n سطر از بریده‌دان چسبانده نشد.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>محاسبه چاپ نشد: چاپگر پاسخ نمی‌دهد.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n سطر عدد نبود و 0 به حساب می‌آید.</numerusform>
        </translation>
    </message>
</context>
</TS>
