<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>BannerEditor</name>
    <message>
        <source>Edit Banner Text</source>
        <translation>تحرير نص الشريط</translation>
    </message>
    <message>
        <source>Enter the text to display:</source>
        <translation>أدخل النص المراد عرضه:</translation>
    </message>
</context>
<context>
    <name>BannerFleet</name>
    <message>
        <source>Failed to launch banner</source>
        <translation>تعذّر تشغيل الشريط</translation>
    </message>
    <message>
        <source>New Banner Instance</source>
        <translation>شريط جديد</translation>
    </message>
    <message>
        <source>Enter a name for the new banner:</source>
        <translation>أدخل اسمًا للشريط الجديد:</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>e.g. ticker, monitor, side-info</source>
        <translation>مثلًا ticker أو monitor أو side-info</translation>
    </message>
    <message>
        <source>Banner on %1</source>
        <translation>شريط على %1</translation>
    </message>
    <message>
        <source>another banner is changing it; try again</source>
        <translation>شريط آخر يغيّرها الآن؛ حاول مرة أخرى</translation>
    </message>
    <message>
        <source>Session Not Saved</source>
        <translation>لم تُحفظ الجلسة</translation>
    </message>
    <message>
        <source>The session could not be saved to %1: %2</source>
        <translation>تعذّر حفظ الجلسة في %1: %2</translation>
    </message>
    <message>
        <source> (the saved session could not be read; it is kept as %1)</source>
        <translation> (تعذّرت قراءة الجلسة المحفوظة؛ احتُفظ بها باسم %1)</translation>
    </message>
    <message>
        <source>Session Saved</source>
        <translation>حُفظت الجلسة</translation>
    </message>
    <message numerus="yes">
        <source>Saved %n banner(s): %1</source>
        <translation>
            <numerusform>لم يُحفظ أي شريط: %1</numerusform>
            <numerusform>حُفظ شريط واحد: %1</numerusform>
            <numerusform>حُفظ شريطان: %1</numerusform>
            <numerusform>حُفظت %n أشرطة: %1</numerusform>
            <numerusform>حُفظ %n شريطًا: %1</numerusform>
            <numerusform>حُفظ %n شريط: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Installation Failed</source>
        <translation>فشل التثبيت</translation>
    </message>
    <message>
        <source>Auto-Start Installed</source>
        <translation>ثُبّت التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Vorlane will start automatically at login.</source>
        <translation>سيبدأ Vorlane تلقائيًا عند تسجيل الدخول.</translation>
    </message>
    <message>
        <source>Auto-Start Not Removed</source>
        <translation>لم يُزَل التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Auto-Start Removed</source>
        <translation>أُزيل التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Vorlane will no longer start at login.</source>
        <translation>لن يبدأ Vorlane بعد الآن عند تسجيل الدخول.</translation>
    </message>
</context>
<context>
    <name>BannerView</name>
    <message>
        <source>CPU %1</source>
        <translation>المعالج %1</translation>
    </message>
    <message>
        <source>memory %1</source>
        <translation>الذاكرة %1</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>%1 (this)</source>
        <translation>%1 (هذا)</translation>
    </message>
    <message>
        <source>%1 (PID %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 pt (font: %2)</source>
        <translation>%1 نقطة (الخط: %2)</translation>
    </message>
    <message>
        <source>%1 pt</source>
        <translation>%1 نقطة</translation>
    </message>
    <message>
        <source>Banner Size: %1 pt</source>
        <translation>حجم الشريط: %1 نقطة</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>مخصص...</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>حجم الخط</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1٪</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>العتامة</translation>
    </message>
    <message>
        <source>Display %1: %2</source>
        <translation>الشاشة %1: %2</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>الشاشة</translation>
    </message>
    <message>
        <source>Metrics</source>
        <translation>القياسات</translation>
    </message>
    <message>
        <source>Show CPU</source>
        <translation>إظهار المعالج</translation>
    </message>
    <message>
        <source>Show Memory</source>
        <translation>إظهار الذاكرة</translation>
    </message>
    <message>
        <source>All On</source>
        <translation>إظهار الكل</translation>
    </message>
    <message>
        <source>All Off</source>
        <translation>إخفاء الكل</translation>
    </message>
    <message>
        <source>Current: %1</source>
        <translation>الحالي: %1</translation>
    </message>
    <message>
        <source>Running Banners:</source>
        <translation>الأشرطة العاملة:</translation>
    </message>
    <message>
        <source>New Banner...</source>
        <translation>شريط جديد...</translation>
    </message>
    <message>
        <source>New on %1</source>
        <translation>جديد على %1</translation>
    </message>
    <message>
        <source>Restore Saved Session</source>
        <translation>استعادة الجلسة المحفوظة</translation>
    </message>
    <message>
        <source>Save Current Session</source>
        <translation>حفظ الجلسة الحالية</translation>
    </message>
    <message>
        <source>Quick Launch</source>
        <translation>تشغيل سريع</translation>
    </message>
    <message>
        <source>Auto-Start at Login (installed)</source>
        <translation>التشغيل التلقائي عند الدخول (مثبّت)</translation>
    </message>
    <message>
        <source>Remove Auto-Start</source>
        <translation>إزالة التشغيل التلقائي</translation>
    </message>
    <message>
        <source>Install Auto-Start at Login</source>
        <translation>تثبيت التشغيل التلقائي عند الدخول</translation>
    </message>
    <message>
        <source>Banners</source>
        <translation>الأشرطة</translation>
    </message>
    <message>
        <source>Edit Text...</source>
        <translation>تحرير النص...</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>لون الخلفية</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>لون النص</translation>
    </message>
    <message>
        <source>Text Alignment</source>
        <translation>محاذاة النص</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <source>Reserve Screen Space</source>
        <translation>حجز مساحة من الشاشة</translation>
    </message>
    <message>
        <source>Add Image...</source>
        <translation>إضافة صورة...</translation>
    </message>
    <message>
        <source>Remove Image</source>
        <translation>إزالة الصورة</translation>
    </message>
    <message>
        <source>Reset to Defaults</source>
        <translation>استعادة الإعدادات الافتراضية</translation>
    </message>
    <message>
        <source>Quit This Banner</source>
        <translation>إنهاء هذا الشريط</translation>
    </message>
    <message>
        <source>Quit All Banners</source>
        <translation>إنهاء كل الأشرطة</translation>
    </message>
    <message>
        <source>Banner Settings</source>
        <translation>إعدادات الشريط</translation>
    </message>
    <message>
        <source>Quit Vorlane</source>
        <translation>إنهاء Vorlane</translation>
    </message>
    <message>
        <source>Show/Hide Banner</source>
        <translation>إظهار/إخفاء الشريط</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>أزرق داكن</translation>
    </message>
    <message>
        <source>Dark Green</source>
        <translation>أخضر داكن</translation>
    </message>
    <message>
        <source>Dark Red</source>
        <translation>أحمر داكن</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>كحلي</translation>
    </message>
    <message>
        <source>Charcoal</source>
        <translation>فحمي</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>شفاف</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>سماوي</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>أسفل</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>وسط</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>يمين</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Select Banner Image</source>
        <translation>اختيار صورة الشريط</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>الصور (%1)</translation>
    </message>
    <message>
        <source>Vorlane Colors</source>
        <translation>ألوان Vorlane</translation>
    </message>
</context>
</TS>
