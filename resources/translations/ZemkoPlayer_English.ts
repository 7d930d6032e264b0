<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>HudView</name>
    <message>
        <source>China</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>TraditionalChinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>اللغة العربية</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Ελληνικά</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>עברית</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation>Slovenčina</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>ภาษาไทย</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Українська</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Tiếng Việt</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>语言国际化</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>速度单位</source>
        <translation>Speed Unit</translation>
    </message>
    <message>
        <source>KMH</source>
        <translation>KMH</translation>
    </message>
    <message>
        <source>PMH</source>
        <translation>MPH</translation>
    </message>
    <message>
        <source>地图</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Google Map</source>
        <translation>Google Map</translation>
    </message>
    <message>
        <source>百度地图</source>
        <translation>Baidu Map</translation>
    </message>
    <message>
        <source>播放模式</source>
        <translation>Playback Mode</translation>
    </message>
    <message>
        <source>单路播放</source>
        <translation>Single Channel</translation>
    </message>
    <message>
        <source>双路播放</source>
        <translation>Two Channels</translation>
    </message>
    <message>
        <source>三路播放</source>
        <translation>Three Channels</translation>
    </message>
    <message>
        <source>列表文件排序</source>
        <translation>Sort Playlist By</translation>
    </message>
    <message>
        <source>File Name Ascending (A-Z)</source>
        <translation>File Name Ascending (A-Z)</translation>
    </message>
    <message>
        <source>File Name Descending (Z-A)</source>
        <translation>File Name Descending (Z-A)</translation>
    </message>
    <message>
        <source>Date/Time Ascending</source>
        <translation>Date/Time Ascending</translation>
    </message>
    <message>
        <source>Date/Time Descending</source>
        <translation>Date/Time Descending</translation>
    </message>
    <message>
        <source>提示</source>
        <comment>通用提示</comment>
        <translation>Reminder</translation>
    </message>
</context>
<context>
    <name>LogoWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>AboutView</name>
    <message>
        <source>check_Updata</source>
        <translation>Check for Updates</translation>
    </message>
    <message>
        <source>ZEMKO_web</source>
        <translation>ZEMKO Website</translation>
    </message>
    <message>
        <source>ZEMKO_Help</source>
        <translation>Help &amp; Support</translation>
    </message>
    <message>
        <source>ZEMKO_connect_us</source>
        <translation>Contact Us</translation>
    </message>
    <message>
        <source>ZEMKO_Apbout_Player</source>
        <translation>About Player</translation>
    </message>
</context>
<context>
    <name>ToolHud</name>
    <message>
        <source>2X</source>
        <translation>2X</translation>
    </message>
    <message>
        <source>1X</source>
        <translation>1X</translation>
    </message>
    <message>
        <source>0.5X</source>
        <translation>0.5X</translation>
    </message>
</context>
</TS>
