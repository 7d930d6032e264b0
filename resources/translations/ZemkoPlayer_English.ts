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
<context>
    <name>ZemkoView</name>
    <message>
        <source>Form</source>
        <translation>ZEMKO Player</translation>
    </message>
    <message>
        <source>添加文件</source>
        <translation>Add Video</translation>
    </message>
    <message>
        <source>截图</source>
        <translation>Snapshot</translation>
    </message>
    <message>
        <source>切换</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>无GPS数据</source>
        <translation>No GPS Data</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;声音&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;Volume&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;缩放&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;Zoom In/Zoom Out&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;倍数&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;Playback Speed&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;上一段&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;Previous Video&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;上一帧&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;Previous Frame&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;播放/暂停&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;Play/Pause&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;下一帧&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;Next Frame&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;下一段&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;Next Video&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;全屏/退出全屏&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#ffffff;&quot;&gt;Fullscreen/Exit Fullscreen&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>addFile_Title</source>
        <translation>Please add files</translation>
    </message>
    <message>
        <source>selectFilesAdded</source>
        <translation>The selected file has been added</translation>
    </message>
    <message>
        <source>delete_All_Files</source>
        <translation>Delete Files</translation>
    </message>
    <message>
        <source>sure_Delete_All_Files</source>
        <translation>Do you want to delete all files?</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Reminder</translation>
    </message>
    <message>
        <source>selectFilesRemove_DeleteAllFile</source>
        <translation>The file may no longer exist. Do you want to delete all files?</translation>
    </message>
    <message>
        <source>playFile_Failed</source>
        <translation>This file could not be played.</translation>
    </message>
    <message>
        <source>select_Map</source>
        <comment>选择地图</comment>
        <translation>Select Map</translation>
    </message>
    <message>
        <source>selectMap_Need_closePlayer</source>
        <comment>切换地图需重启播放器生效</comment>
        <translation>To make the map change take effect, please restart the player</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>确定</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>ZEMKO_Apbout_Player</source>
        <translation>About Player</translation>
    </message>
    <message>
        <source>aboutTextContent1</source>
        <translation>The ZEMKO player is designed for your dash cam, providing efficient video playback and management. This player allows playback and editing of recorded videos, while displaying real-time location information on the map. </translation>
    </message>
</context>
</TS>
