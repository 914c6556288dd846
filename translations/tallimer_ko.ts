<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>file</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translation>읽기 전용 파일</translation>
    </message>
    <message>
        <source>home folder</source>
        <translation>홈 폴더</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>상위 폴더</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>드라이브</translation>
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
        <translation>더하기</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>빼기</translation>
    </message>
    <message>
        <source>times</source>
        <translation>곱하기</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>나누기</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>%1번째 줄의 연산자, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>%1번째 줄</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translation>오버플로</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <source>Average : </source>
        <translation>평균 : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translation>중앙값 : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>최빈값 : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translation>합계...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translation>계산 열기...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translation>계산 저장...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translation>읽기 전용 파일이나 드라이브에 쓸 수 없습니다...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>파일 이름:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>인쇄할 수 없습니다: 인쇄 라이브러리를 불러오지 못했습니다.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>프린터가 없습니다: 계산을 인쇄하려면 기본 프린터를 설정하십시오.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translation>%1에서 계산을 인쇄할 수 없습니다.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translation>모두 지우기...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translation>숫자 복사...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translation>숫자 붙여넣기...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translation>숫자 정렬...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translation>계산 인쇄...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>소수 자릿수</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>가변</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>합계</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>숫자...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translation>평균...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translation>중앙값...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translation>최빈값...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>합계</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>메모리</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>클립보드의 %n개 줄을 붙여넣지 못했습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>계산을 인쇄할 수 없습니다. 프린터가 응답하지 않습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n개 줄은 숫자가 아니어서 0으로 계산합니다.</numerusform>
        </translation>
    </message>
</context>
</TS>
