<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>thư mục</translation>
    </message>
    <message>
        <source>file</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>tệp</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>tệp chỉ đọc</translation>
    </message>
    <message>
        <source>home folder</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>thư mục cá nhân</translation>
    </message>
    <message>
        <source>drive</source>
        <translatorcomment>Read by a screen reader: the kind of an entry in the file browser.</translatorcomment>
        <translation>ổ đĩa</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>thư mục cha</translation>
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
        <translation>cộng</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>trừ</translation>
    </message>
    <message>
        <source>times</source>
        <translation>nhân</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>chia cho</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>phép tính của dòng %1, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translatorcomment>Read by a screen reader: the name of an entry row of the tape, %1 its line number.</translatorcomment>
        <translation>Dòng %1</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translatorcomment>Shown in the total box when the result is beyond the number range.</translatorcomment>
        <translation>Tràn số</translation>
    </message>
    <message>
        <source>Error</source>
        <translatorcomment>Shown in the total box when the tape cannot be totalled (e.g. a division by zero).</translatorcomment>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Average : </source>
        <translatorcomment>Label before the arithmetic mean of the tape&apos;s values. Keep the colon and the spaces around it: the number follows after the colon.</translatorcomment>
        <translation>Trung bình : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translatorcomment>Label before the MEDIAN: the middle value of the sorted tape values above zero (not the arithmetic mean). Keep the colon and the spaces around it.</translatorcomment>
        <translation>Trung vị : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translatorcomment>Label before the most frequent value of the tape (statistical mode). Keep the colon and the spaces around it.</translatorcomment>
        <translation>Yếu vị : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translatorcomment>Shown in the total box before anything is typed.</translatorcomment>
        <translation>Tổng...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translatorcomment>Menu item and dialog caption: opens a saved tape (calculation file).</translatorcomment>
        <translation>Mở phép tính...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translatorcomment>Menu item and dialog caption: saves the tape to a calculation file.</translatorcomment>
        <translation>Lưu phép tính...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translatorcomment>Shown whenever opening or saving a calculation file fails, whatever the reason.</translatorcomment>
        <translation>Không thể ghi vào tệp hoặc ổ đĩa chỉ đọc...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translatorcomment>Button of the file dialog that opens the chosen calculation file.</translatorcomment>
        <translation>Mở</translation>
    </message>
    <message>
        <source>Save</source>
        <translatorcomment>Button of the file dialog that saves to the chosen file.</translatorcomment>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Tên tệp:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>Đồng ý</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>Không thể in: không tải được thư viện in.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>Không có máy in: hãy đặt một máy in mặc định để in phép tính.</translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>Không thể in phép tính: máy in không phản hồi.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translatorcomment>%1 is the printer&apos;s name.</translatorcomment>
        <translation>Không thể in phép tính trên %1.</translation>
    </message>
    <message>
        <source>Options</source>
        <translatorcomment>Menu title: file, clipboard, sort and print commands.</translatorcomment>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translatorcomment>Empties the whole tape.</translatorcomment>
        <translation>Xóa tất cả...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translatorcomment>Copies the tape&apos;s numbers to the clipboard.</translatorcomment>
        <translation>Sao chép các số...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translatorcomment>Appends numbers from the clipboard to the tape.</translatorcomment>
        <translation>Dán các số...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translatorcomment>Sorts the tape&apos;s lines by value.</translatorcomment>
        <translation>Sắp xếp các số...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translatorcomment>Prints the tape and its total.</translatorcomment>
        <translation>In phép tính...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translatorcomment>Menu title: number of decimal places shown.</translatorcomment>
        <translation>Chữ số thập phân</translation>
    </message>
    <message>
        <source>Variable</source>
        <translatorcomment>Decimals menu item: each number shows as many decimal places as it has.</translatorcomment>
        <translation>Không cố định</translation>
    </message>
    <message>
        <source>Total</source>
        <translatorcomment>Menu title: chooses what the total box shows.</translatorcomment>
        <translation>Tổng</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translatorcomment>Total menu item: the total box shows the running total of the tape.</translatorcomment>
        <translation>Các số...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translatorcomment>Total menu item: the total box shows the arithmetic mean of the tape&apos;s values.</translatorcomment>
        <translation>Trung bình...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translatorcomment>Total menu item: despite the English name, the total box shows the MEDIAN, the middle value of the sorted tape (values above zero). Translate as median.</translatorcomment>
        <translation>Trung vị...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translatorcomment>Total menu item: the total box shows the most frequent value of the tape (statistical mode).</translatorcomment>
        <translation>Yếu vị...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>Tổng</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>Bộ nhớ</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translatorcomment>%n is the number of lines of a paste that did not fit the tape.</translatorcomment>
        <translation>
            <numerusform>%n dòng trong bảng tạm chưa được dán.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n dòng không phải là số và được tính là 0.</numerusform>
        </translation>
    </message>
</context>
</TS>
