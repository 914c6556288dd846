<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>DriveControl</name>
    <message>
        <source>folder</source>
        <translation>klasör</translation>
    </message>
    <message>
        <source>file</source>
        <translation>dosya</translation>
    </message>
    <message>
        <source>read-only file</source>
        <translation>salt okunur dosya</translation>
    </message>
    <message>
        <source>home folder</source>
        <translation>ev klasörü</translation>
    </message>
    <message>
        <source>parent folder</source>
        <translation>üst klasör</translation>
    </message>
    <message>
        <source>drive</source>
        <translation>sürücü</translation>
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
        <translation>artı</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>eksi</translation>
    </message>
    <message>
        <source>times</source>
        <translation>çarpı</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>bölü</translation>
    </message>
    <message>
        <source>operator of line %1, %2</source>
        <extracomment>Read by a screen reader: an operator button beside an entry row, %1 the line number, %2 its operator in words (&quot;plus&quot;).</extracomment>
        <translation>%1. satırın işleci, %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Satır %1</translation>
    </message>
</context>
<context>
    <name>Total</name>
    <message>
        <source>Overflow</source>
        <translation>Taşma</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>Average : </source>
        <translation>Ortalama : </translation>
    </message>
    <message>
        <source>Mean : </source>
        <translation>Ortanca : </translation>
    </message>
    <message>
        <source>Mode : </source>
        <translation>Tepe değer : </translation>
    </message>
    <message>
        <source>Total...</source>
        <translation>Toplam...</translation>
    </message>
</context>
<context>
    <name>tallimer::FileCommands</name>
    <message>
        <source>Open Calculation...</source>
        <translation>Hesaplama Aç...</translation>
    </message>
    <message>
        <source>Save Calculation...</source>
        <translation>Hesaplamayı Kaydet...</translation>
    </message>
    <message>
        <source>Cannot write to read only file or drive...</source>
        <translation>Salt okunur dosyaya veya sürücüye yazılamıyor...</translation>
    </message>
</context>
<context>
    <name>tallimer::LoadSave</name>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dosya:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>tallimer::MessageBox</name>
    <message>
        <source>OK</source>
        <extracomment>The button that closes a message.</extracomment>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>tallimer::Rolling_Caculator</name>
    <message>
        <source>Printing is not available: the printing library could not be loaded.</source>
        <translation>Yazdırma kullanılamıyor: yazdırma kütüphanesi yüklenemedi.</translation>
    </message>
    <message>
        <source>There is no printer: set up a default printer to print the calculation.</source>
        <translation>Yazıcı yok: hesaplamayı yazdırmak için varsayılan bir yazıcı ayarlayın.</translation>
    </message>
    <message>
        <source>The calculation could not be printed on %1.</source>
        <translation>Hesaplama %1 üzerinde yazdırılamadı.</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Clear All...</source>
        <translation>Tümünü Temizle...</translation>
    </message>
    <message>
        <source>Copy Numbers...</source>
        <translation>Sayıları Kopyala...</translation>
    </message>
    <message>
        <source>Paste Numbers...</source>
        <translation>Sayıları Yapıştır...</translation>
    </message>
    <message>
        <source>Sort Numbers...</source>
        <translation>Sayıları Sırala...</translation>
    </message>
    <message>
        <source>Print Calculation...</source>
        <translation>Hesaplamayı Yazdır...</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Ondalık Basamaklar</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Kayan nokta</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Numbers...</source>
        <translation>Sayılar...</translation>
    </message>
    <message>
        <source>Average...</source>
        <translation>Ortalama...</translation>
    </message>
    <message>
        <source>Mean...</source>
        <translation>Ortanca...</translation>
    </message>
    <message>
        <source>Mode...</source>
        <translation>Tepe Değer...</translation>
    </message>
    <message>
        <source>Total</source>
        <comment>the total box, to a screen reader</comment>
        <translation>Toplam</translation>
    </message>
    <message>
        <source>Memory</source>
        <comment>the memory display, to a screen reader</comment>
        <translation>Bellek</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the clipboard were not pasted.</source>
        <translation>
            <numerusform>Panodaki %n satır yapıştırılamadı.</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculation could not be printed: the printer does not answer.</source>
        <translation>Hesaplama yazdırılamadı: yazıcı yanıt vermiyor.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines were not numbers and count as 0.</source>
        <translation>
            <numerusform>%n satır sayı değildi ve 0 sayılır.</numerusform>
        </translation>
    </message>
</context>
</TS>
