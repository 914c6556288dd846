<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translation>只读文件</translation>
    </message>
    <message>
        <source>home folder</source>
        <translation>主文件夹</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>上级文件夹</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>驱动器</translation>
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
        <translation>加</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>减</translation>
    </message>
    <message>
        <source>times</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>除以</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>第 %1 行的运算符，%2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>第 %1 行</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Average : </source>
        <translation>平均值 : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translation>中位数 : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>众数 : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translation>总计...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translation>打开计算记录...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translation>保存计算记录...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translation>无法写入只读文件或驱动器...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>无法打印：未能加载打印库。</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>没有打印机：请设置默认打印机以打印计算记录。</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translation>无法在 %1 上打印计算记录。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translation>全部清除...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translation>复制数字...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translation>粘贴数字...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translation>排序数字...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translation>打印计算记录...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>小数位数</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>浮动</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>数字...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translation>平均值...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translation>中位数...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translation>众数...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>总计</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>内存</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>剪贴板中有 %n 行未粘贴。</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>无法打印计算记录：打印机没有响应。</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>有 %n 行不是数字，按 0 计算。</numerusform>
        </translation>
    </message>
</context>
</TS>
