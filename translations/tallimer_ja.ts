<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translation>読み取り専用ファイル</translation>
    </message>
    <message>
        <source>home folder</source>
        <translation>ホームフォルダー</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>親フォルダー</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>ドライブ</translation>
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
        <translation>プラス</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>マイナス</translation>
    </message>
    <message>
        <source>times</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>割る</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>%1 行目の演算子、%2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>%1 行目</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Average : </source>
        <translation>平均 : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translation>中央値 : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>最頻値 : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translation>合計...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translation>計算を開く...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translation>計算を保存...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translation>読み取り専用のファイルまたはドライブには書き込めません...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>印刷できません。印刷ライブラリを読み込めませんでした。</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>プリンターがありません。計算を印刷するには既定のプリンターを設定してください。</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translation>%1 で計算を印刷できませんでした。</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translation>すべてクリア...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translation>数値をコピー...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translation>数値を貼り付け...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translation>数値を並べ替え...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translation>計算を印刷...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>小数桁数</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>可変</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>数値...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translation>平均...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translation>中央値...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translation>最頻値...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>合計</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>メモリー</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>クリップボードの %n 行は貼り付けられませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>計算を印刷できませんでした。プリンターが応答しません。</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n 行は数値ではなかったため 0 として数えます。</numerusform>
        </translation>
    </message>
</context>
</TS>
