<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translation>תיקייה</translation>
    </message>
    <message>
        <source>file</source>
        <translation>קובץ</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translation>קובץ לקריאה בלבד</translation>
    </message>
    <message>
        <source>home folder</source>
        <translation>תיקיית הבית</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>תיקיית אב</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>כונן</translation>
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
        <translation>ועוד</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>פחות</translation>
    </message>
    <message>
        <source>times</source>
        <translation>כפול</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>חלקי</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>סימן הפעולה של שורה %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>שורה %1</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translation>גלישה</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>שגיאה</translation>
    </message>
    <message>
        <source>Average : </source>
        <translation>ממוצע : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translation>חציון : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>שכיח : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translation>סכום...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translation>פתיחת חישוב...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translation>שמירת חישוב...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translation>לא ניתן לכתוב לקובץ או לכונן לקריאה בלבד...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>שם קובץ:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>ההדפסה אינה זמינה: לא ניתן היה לטעון את ספריית ההדפסה.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>אין מדפסת: יש להגדיר מדפסת ברירת מחדל כדי להדפיס את החישוב.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translation>לא ניתן היה להדפיס את החישוב במדפסת %1.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translation>ניקוי הכול...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translation>העתקת המספרים...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translation>הדבקת מספרים...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translation>מיון המספרים...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translation>הדפסת החישוב...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>ספרות עשרוניות</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>משתנה</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>סכום</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>מספרים...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translation>ממוצע...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translation>חציון...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translation>שכיח...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>סכום</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>זיכרון</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>שורה אחת מלוח העריכה לא הודבקה.</numerusform>
            <numerusform>%n שורות מלוח העריכה לא הודבקו.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>לא ניתן היה להדפיס את החישוב: המדפסת אינה מגיבה.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>שורה אחת לא הייתה מספר ונחשבת 0.</numerusform>
            <numerusform>%n שורות לא היו מספרים ונחשבות 0.</numerusform>
        </translation>
    </message>
</context>
</TS>
