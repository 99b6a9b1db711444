<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChartPicture</name>
    <message>
        <location filename="../src/gui/charts/chartpicture.cpp" line="+43"/>
        <source>Unknown picture type: %1 (use .png, .jpg, .bmp, .pdf or .svg)</source>
        <translation>未知的图片类型: %1 (请用 .png, .jpg, .bmp, .pdf 或 .svg)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The picture size %1x%2 is empty</source>
        <translation>图片尺寸 %1x%2 为空</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1: %2</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+12"/>
        <source>Cannot draw the picture %1</source>
        <translation>无法绘制图片 %1</translation>
    </message>
</context>
<context>
    <name>ColourGradients</name>
    <message>
        <location filename="../src/gui/charts/colourgradients.cpp" line="+27"/>
        <source>Viridis</source>
        <translation>Viridis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greyscale</source>
        <translation>灰度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal</source>
        <translation>热力</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot</source>
        <translation>炽热</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jet</source>
        <translation>Jet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spectrum</source>
        <translation>光谱</translation>
    </message>
</context>
<context>
    <name>CommandTexts</name>
    <message>
        <location filename="../src/gui/common/commanddescriptor.cpp" line="+72"/>
        <source>Write the section&apos;s grid for other programs (Surfer, GeoTIFF, ESRI ASCII, XYZ)
Export Section Grid</source>
        <translation>将断面网格写出供其他程序使用 (Surfer, GeoTIFF, ESRI ASCII, XYZ)
导出断面网格</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Create new file
New</source>
        <translation>Create new file
New</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open an existing File
Open</source>
        <translation>Open a exist file
Open</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close the Active File
Close</source>
        <translation>Close the Active File
Close</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Save the active file
Save</source>
        <translation>Save the Current File
Save</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save depth data
Depth Save</source>
        <translation>Save Depth Data
Save Depth Data</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open a project: its data file, steps and charts
Open Project</source>
        <translation>打开工程：其数据文件、处理步骤和图件
打开工程</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the data file&apos;s name, the steps done and the charts as a project
Save Project</source>
        <translation>将数据文件名、已做的处理步骤和图件保存为工程
保存工程</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the project under a new name
Save Project As</source>
        <translation>以新名称保存工程
工程另存为</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the vantrel-cli command that repeats these steps
Copy as Command Line</source>
        <translation>复制重复这些步骤的 vantrel-cli 命令
复制为命令行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the steps as a recipe for vantrel-cli --recipe
Save Recipe</source>
        <translation>将步骤保存为 vantrel-cli --recipe 使用的处理方案
保存处理方案</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Chart
Print</source>
        <translation>Print Picture
Print</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Field Process
Field Process</source>
        <translation>Process Data
Process Data</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Draw a plane cross-sectional chart
Plane Chart</source>
        <translation>Draw Ichnography Curving Graph
Ichnography Curving Graph</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw vertical cross-section chart 
vertical Chart</source>
        <translation>Draw Vertical Curving Graph
Vertical Curving Graph</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw a ring chart
Ring Chart</source>
        <translation>Draw  Round Graph
 Round Graph</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw the depth data as a pseudo-section map
Pseudo-section Map</source>
        <translation>将深度数据绘制为拟断面图
拟断面图</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display program information version number and copyright information
About</source>
        <translation>Display program information version number and copyright information
About</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Exit the application; prompt to save the document
Exit</source>
        <translation>Exit the Sofeware；mantion save the file
Exit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Copy the selection and place it on the clipboard
Copy</source>
        <translation>Copy the selection and place it on the clipboard
Copy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert the clipboard contents
Paste</source>
        <translation>Insert the clipboard contents
Paste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show or hide the status bar 
Toggle Status Bar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Select the file to be processed
Select</source>
        <translation>Select the data to be processed
select</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selection of the source file for field treatment
Field Process</source>
        <translation>process selected files
Processing data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculate depth data
Depth Calculation</source>
        <translation>caculate depth data
Depth Data</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Import text files of other layouts (separators, decimal commas, columns chosen)
Import Text</source>
        <translation>导入其他格式的文本文件（分隔符、小数逗号、列的用途）
导入文本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the open files again in another text encoding
Reopen with Encoding</source>
        <translation>以另一种文本编码重新读取打开的文件
以编码重新打开</translation>
    </message>
</context>
<context>
    <name>DialogPrompter</name>
    <message>
        <location filename="../src/gui/app/dialogprompter.cpp" line="+186"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>ExportChartPicture</name>
    <message>
        <location filename="../src/gui/charts/chartexport.cpp" line="+22"/>
        <source>The picture was not saved.</source>
        <translation>图片未保存。</translation>
    </message>
</context>
<context>
    <name>PictureExportDialog</name>
    <message>
        <location filename="../src/gui/app/pictureexportdialog.cpp" line="+33"/>
        <source>PNG picture</source>
        <translation>PNG 图片</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>JPEG picture</source>
        <translation>JPEG 图片</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation>位图</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG drawing</source>
        <translation>SVG 绘图</translation>
    </message>
</context>
<context>
    <name>vantrel::CAboutDlg</name>
    <message>
        <location filename="../src/gui/app/caboutdlg.cpp" line="+52"/>
        <source>About </source>
        <translation>About </translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Copyright (C) Selvo Software</source>
        <translation>Copyright (C) Selvo Software</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vantrel::CDialog_Data_Set</name>
    <message>
        <location filename="../src/gui/app/cdialog_data_set.cpp" line="+29"/>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cansel</source>
        <translation>Cansel</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+6"/>
        <source>resistivity </source>
        <translation>resistivity </translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Pthreshold</source>
        <translation>Pthreshold</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vthreshold</source>
        <translation>Vthreshold</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Attenuation coefficient</source>
        <translation>衰减系数</translation>
    </message>
</context>
<context>
    <name>vantrel::CDialog_PM</name>
    <message>
        <location filename="../src/gui/charts/cdialog_pm.cpp" line="+47"/>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
</context>
<context>
    <name>vantrel::CDialog_PMPM</name>
    <message>
        <location filename="../src/gui/charts/charteditor.cpp" line="+269"/>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
</context>
<context>
    <name>vantrel::CFileView</name>
    <message>
        <location filename="../src/gui/panes/cfileview.cpp" line="+56"/>
        <source>File View</source>
        <translation>File View</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open &amp;With....</source>
        <translation>打开方式(&amp;W)....</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Compile</source>
        <translation>编译(&amp;C)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Remove</source>
        <translation>删除(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Properties...</source>
        <translation>属性(&amp;P)...</translation>
    </message>
</context>
<context>
    <name>vantrel::CHistoryPane</name>
    <message>
        <location filename="../src/gui/panes/chistorypane.cpp" line="+26"/>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The file as read</source>
        <translation>读入时的文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No file is open</source>
        <translation>未打开文件</translation>
    </message>
</context>
<context>
    <name>vantrel::CMainFrame</name>
    <message>
        <location filename="../src/gui/app/cmainframe.cpp" line="+214"/>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The state of the lock keys is not known here.</source>
        <translation>The state of the lock keys is not known here.</translation>
    </message>
    <message>
        <location line="+200"/>
        <source>Selvo Intelligent data processing software V1.6</source>
        <translation>Selvo Intelligent data processing software V1.6.8-- 塞尔沃智能勘探技术有限公司 -- 地球物理勘查研究所</translation>
    </message>
    <message>
        <location line="+128"/>
        <source>There is no picture to print at the current window!</source>
        <translation>There is no picture to print at the current window!</translation>
    </message>
    <message>
        <location line="+145"/>
        <source>The steps done on %1 have not been saved in a project. Save the project?</source>
        <translation>对 %1 所做的处理步骤尚未保存到工程中。保存工程吗?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please save deep data!</source>
        <translation>Please save deep data!</translation>
    </message>
    <message>
        <location line="-505"/>
        <source>The text encoding of the open file (File &gt; Reopen with Encoding... changes it)</source>
        <translation>打开的文件的文本编码（文件 &gt; 以编码重新打开... 可更改）</translation>
    </message>
</context>
<context>
    <name>vantrel::COutputWnd</name>
    <message>
        <location filename="../src/gui/panes/coutputwnd.cpp" line="+23"/>
        <source>Show Table</source>
        <translation>Show Table</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Origin Data</source>
        <translation>Origin Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data Processing</source>
        <translation>Processing Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth Data</source>
        <translation>Depth Data</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Bad Point Check</source>
        <translation>坏点检查</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bad Point Correction</source>
        <translation>坏点修正</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth Calculation</source>
        <translation>深度计算</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Plane Graph</source>
        <translation>平面图</translation>
    </message>
</context>
<context>
    <name>vantrel::CPrintFrame</name>
    <message>
        <location filename="../src/gui/charts/cprintframe.cpp" line="+48"/>
        <location line="+45"/>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>%1 (Preview)</source>
        <translation>%1 (预览)</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Page Setup...</source>
        <translation>页面设置...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>First Page</source>
        <translation>第一页</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Last Page</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Page</source>
        <translation>页</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of %1</source>
        <translation>共 %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fit Width</source>
        <translation>适合宽度</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit Page</source>
        <translation>适合页面</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>One Page</source>
        <translation>单页</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Two Pages</source>
        <translation>双页</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Pages</source>
        <translation>所有页</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Portrait</source>
        <translation>纵向</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Landscape</source>
        <translation>横向</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The graph could not be printed.</source>
        <translation>无法打印该图。</translation>
    </message>
</context>
<context>
    <name>vantrel::CVantrelApp</name>
    <message>
        <location filename="../src/gui/app/cvantrelapp.cpp" line="+159"/>
        <location line="+2"/>
        <source>Chart%1</source>
        <translation>Chart%1</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Please save the data!</source>
        <translation>Please save the data!</translation>
    </message>
</context>
<context>
    <name>vantrel::CVantrelView</name>
    <message>
        <location filename="../src/gui/charts/cvantrelview.cpp" line="+68"/>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>The data this chart was drawn from has changed: the picture is out of date.</source>
        <translation>绘制此图的数据已更改, 图形已过时。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Redraw</source>
        <translation>重画</translation>
    </message>
    <message>
        <location filename="../src/gui/charts/graphdrawing.cpp" line="+121"/>
        <source>This chart cannot be drawn again: %1</source>
        <translation>此图无法重画: %1</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>there is nothing to draw.</source>
        <translation>没有可画的内容。</translation>
    </message>
    <message>
        <location line="-85"/>
        <source>The pseudo-section map shows every frequency.</source>
        <translation>拟断面图显示所有频率。</translation>
    </message>
    <message>
        <location filename="../src/gui/charts/chartkinds.cpp" line="+38"/>
        <source>The plane profile stacks one band per file and draws at most %1; this one has %2. Choose fewer files with Choose Data.</source>
        <translation>平面剖面图每个文件一条带，最多绘制 %1 条；此图有 %2 条。请用“选择数据”选择较少的文件。</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The vertical profile stacks one band per frequency and draws at most %1; this one has %2. %3</source>
        <translation>垂直剖面图每个频率一条带，最多绘制 %1 条；此图有 %2 条。%3</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The circular graph draws one chart per frequency and at most %1; this one has %2. %3</source>
        <translation>环形图每个频率一个图，最多绘制 %1 个；此图有 %2 个。%3</translation>
    </message>
</context>
<context>
    <name>vantrel::ChartEditor</name>
    <message>
        <location filename="../src/gui/charts/charteditor.cpp" line="-209"/>
        <source>Chart Properties</source>
        <translation>Chart Properties</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Chart</source>
        <translation>Chart</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Title:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the shaded regions</source>
        <translation>Show the shaded regions</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Vertical axes</source>
        <translation>Vertical axes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Axis</source>
        <translation>Axis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Series</source>
        <translation>Series</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Series %1</source>
        <translation>Series %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Colour map</source>
        <translation>色图</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blend smoothly between heights</source>
        <translation>在高度之间平滑过渡</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Linear</source>
        <translation>线性</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logarithmic</source>
        <translation>对数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scale:</source>
        <translation>刻度:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Colours:</source>
        <translation>颜色:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Automatic range</source>
        <translation>自动范围</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>From:</source>
        <translation>从:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To:</source>
        <translation>到:</translation>
    </message>
</context>
<context>
    <name>vantrel::ChartKinds</name>
    <message>
        <location filename="../src/gui/charts/chartkinds.cpp" line="-11"/>
        <source>Vertical Profile</source>
        <translation>垂直剖面图</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Plane Profile</source>
        <translation>平面剖面图</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Ring Graph</source>
        <translation>环形图</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Pseudo-section</source>
        <translation>拟断面</translation>
    </message>
</context>
<context>
    <name>vantrel::ChartPane</name>
    <message>
        <location filename="../src/gui/charts/chartpane.cpp" line="+13"/>
        <location filename="../src/gui/charts/cvantrelview.cpp" line="-97"/>
        <source>Please save graph data!</source>
        <translation>Please save graph data!</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>There is no picture to print at the current window!</source>
        <translation>There is no picture to print at the current window!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The graph could not be printed.</source>
        <translation>无法打印该图。</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There is nothing to draw.</source>
        <translation>没有可画的内容。</translation>
    </message>
</context>
<context>
    <name>vantrel::CustomizeDialog</name>
    <message>
        <location filename="../src/gui/app/customizedialog.ui" line="+6"/>
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Commands</source>
        <translation>Commands</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Categories:</source>
        <translation>Categories:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Commands</source>
        <translation>All Commands</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add &gt;</source>
        <translation>Add &gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt; Remove</source>
        <translation>&lt; Remove</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separator</source>
        <translation>Separator</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Toolbar:</source>
        <translation>Toolbar:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Buttons:</source>
        <translation>Buttons:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Button image (UserImages.bmp)</source>
        <translation>Button image (UserImages.bmp)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Use Image</source>
        <translation>Use Image</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Own Image</source>
        <translation>Own Image</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Toolbars</source>
        <translation>Toolbars</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbar name</source>
        <translation>Toolbar name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../src/gui/app/customizedialog.cpp" line="+146"/>
        <source>Delete the toolbar &quot;%1&quot;?</source>
        <translation>Delete the toolbar &quot;%1&quot;?</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>——— Separator ———</source>
        <translation>——— Separator ———</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>At most ten toolbars of your own can be made.</source>
        <translation>At most ten toolbars of your own can be made.</translation>
    </message>
</context>
<context>
    <name>vantrel::DataCommands</name>
    <message>
        <location filename="../src/gui/commands/datacommands.cpp" line="+37"/>
        <source>DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||</source>
        <translation>DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||</translation>
    </message>
    <message>
        <location line="+210"/>
        <source>Reading %1...</source>
        <translation>Reading %1...</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>1 row read from %1</source>
        <translation>1 row read from %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows read from %2</source>
        <translation>%1 rows read from %2</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Only %1 of the file&apos;s rows were read. Saving now replaces the whole file and the rows that were not read are lost. Save anyway?</source>
        <translation>只读取了文件的 %1 行。现在保存会替换整个文件, 未读取的行将丢失。仍要保存吗?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saving the original data...</source>
        <translation>Saving the original data...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Original data saved to %1</source>
        <translation>Original data saved to %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Saving the depth data...</source>
        <translation>Saving the depth data...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Depth data saved to %1</source>
        <translation>Depth data saved to %1</translation>
    </message>
    <message>
        <location line="-359"/>
        <source>Choosing the data...</source>
        <translation>Choosing the data...</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Choose Data</source>
        <translation>Choose Data</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choosing and processing the data...</source>
        <translation>Choosing and processing the data...</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Processed Data</source>
        <translation>Processed Data</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Calculating the depth data...</source>
        <translation>Calculating the depth data...</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Depth Calculation</source>
        <translation>深度计算</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Correcting bad points...</source>
        <translation>Correcting bad points...</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Correct Bad Points</source>
        <translation>Correct Bad Points</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Searching bad points and processing...</source>
        <translation>Searching bad points and processing...</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Search Bad Points and Process</source>
        <translation>Search Bad Points and Process</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Searching bad points...</source>
        <translation>Searching bad points...</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Search Bad Points</source>
        <translation>搜索坏点</translation>
    </message>
    <message>
        <location line="+361"/>
        <source>Properties....</source>
        <translation>属性....</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undone: %1</source>
        <translation>已撤消: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Redone: %1</source>
        <translation>已重做: %1</translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Not enough memory to keep &quot;%1&quot; for undo; the undo history was cleared.</source>
        <translation>内存不足，无法保留“%1”以便撤消；撤消历史已清除。</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The undo history is limited to %1 MiB: the oldest step can no longer be undone.</source>
        <translation>撤消历史限制为 %1 MiB：最早的一步已无法撤消。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The undo history is limited to %1 MiB: the %2 oldest steps can no longer be undone.</source>
        <translation>撤消历史限制为 %1 MiB：最早的 %2 步已无法撤消。</translation>
    </message>
    <message>
        <location line="-515"/>
        <source>Field Source</source>
        <translation>Field Source</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Processing the field source...</source>
        <translation>Processing the field source...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changing the processing settings...</source>
        <translation>Changing the processing settings...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>deviation-factor</source>
        <translation>偏差系数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>resistivity</source>
        <translation>电阻率</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>depth-coefficient</source>
        <translation>深度系数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>p-threshold</source>
        <translation>P 阈值</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>v-threshold</source>
        <translation>V 阈值</translation>
    </message>
    <message>
        <location line="+166"/>
        <source>%1 files</source>
        <translation>%1 个文件</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading %1 was cancelled; no file is open.</source>
        <translation>已取消读取 %1，没有打开的文件。</translation>
    </message>
    <message numerus="yes">
        <location line="+42"/>
        <source>%n cell(s) of the number columns hold no number; they are marked.</source>
        <translation>
            <numerusform>%n 个数值列的单元格不是数值，已标记。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n header line(s) met again among the rows were passed over.</source>
        <translation>
            <numerusform>数据行中再次出现的 %n 个表头行已跳过。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The same file numbers were met in two files: the files were numbered 1, 2, ... in order.</source>
        <translation>两个文件中有相同的文件号：各文件已按顺序重新编号为 1, 2, ...。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show the file&apos;s text in the encoding:</source>
        <translation>以此编码显示文件的文本：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reopening reads the file again: the processing done since it was opened is lost. Reopen anyway?</source>
        <translation>重新打开将再次读取文件：打开后所做的处理将丢失。仍要重新打开吗？</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reopened in %1</source>
        <translation>已以 %1 重新打开</translation>
    </message>
    <message>
        <location line="+151"/>
        <source>Saving %1 was cancelled; the file is as it was.</source>
        <translation>已取消保存 %1，文件保持原样。</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&quot;%1&quot; was cancelled; the tables are as they were.</source>
        <translation>“%1”已取消，表格保持原样。</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>rows %1</source>
        <translation>行 %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>vantrel::DialogPrompter</name>
    <message>
        <location filename="../src/gui/app/dialogprompter.cpp" line="-142"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>vantrel::DocumentTabButton</name>
    <message>
        <location filename="../src/gui/app/documenttabbutton.cpp" line="+22"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
</context>
<context>
    <name>vantrel::ImportPreviewModel</name>
    <message>
        <location filename="../src/gui/app/importpreviewmodel.cpp" line="+61"/>
        <source>File number</source>
        <translation>文件号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Increment</source>
        <translation>增量</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Left out</source>
        <translation>不导入</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Other</source>
        <translation>其他</translation>
    </message>
</context>
<context>
    <name>vantrel::ImportTextCommand</name>
    <message>
        <location filename="../src/gui/app/importtextcommand.cpp" line="+24"/>
        <source>Text File(*.csv;*.txt;*.dat)|*.csv;*.txt;*.dat|All File(*.*) |*.*||</source>
        <translation>文本文件(*.csv;*.txt;*.dat)|*.csv;*.txt;*.dat|所有文件(*.*) |*.*||</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>%1 could not be opened: %2</source>
        <translation>无法打开 %1: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 and %n more file(s)</source>
        <translation>
            <numerusform>%1 及另外 %n 个文件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrel::ImportTextDialog</name>
    <message>
        <location filename="../src/gui/app/importtextdialog.cpp" line="+30"/>
        <source>Import Mapping(*.json)|*.json|All File(*.*) |*.*||</source>
        <translation>导入映射(*.json)|*.json|所有文件(*.*) |*.*||</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Import Text - %1</source>
        <translation>导入文本 - %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Detected</source>
        <translation>自动检测</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+129"/>
        <source>Tab</source>
        <translation>制表符</translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Comma</source>
        <translation>逗号</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Semicolon</source>
        <translation>分号</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+131"/>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <location line="-131"/>
        <location line="+31"/>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Point (12.5)</source>
        <translation>小数点 (12.5)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comma (12,5)</source>
        <translation>逗号 (12,5)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Encoding:</source>
        <translation>编码：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separator:</source>
        <translation>分隔符：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decimal separator:</source>
        <translation>小数分隔符：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Header line:</source>
        <translation>表头行：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lines to skip after the header:</source>
        <translation>表头后跳过的行数：</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File number</source>
        <translation>文件号</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Increment</source>
        <translation>增量</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left out</source>
        <translation>不导入</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Column:</source>
        <translation>列：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Role:</source>
        <translation>用途：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Load Mapping...</source>
        <translation>载入映射...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mapping...</source>
        <translation>保存映射...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The first lines of the file, each column headed by its role:</source>
        <translation>文件的前几行，每列标题为其用途：</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Detected (%1)</source>
        <translation>自动检测 (%1)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>The mapping could not be saved to %1: %2</source>
        <translation>无法将映射保存到 %1: %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The mapping could not be read from %1: %2</source>
        <translation>无法从 %1 读取映射: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not a mapping: %2</source>
        <translation>%1 不是映射文件: %2</translation>
    </message>
</context>
<context>
    <name>vantrel::InstrumentCommand</name>
    <message>
        <location filename="../src/gui/instrument/instrumentcommand.cpp" line="+70"/>
        <source>The instrument sent: %1</source>
        <translation>仪器发来: %1</translation>
    </message>
</context>
<context>
    <name>vantrel::MainActions</name>
    <message>
        <location filename="../src/gui/common/commanddescriptor.cpp" line="+4"/>
        <source>Export Section Grid...</source>
        <translation>导出断面网格...</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation>Open(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Original Data</source>
        <translation>Save Original Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Depth Data</source>
        <translation>Save Depth Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Picture</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Close(&amp;C)</source>
        <translation>Close(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Project...</source>
        <translation>打开工程...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Project</source>
        <translation>保存工程</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Project As...</source>
        <translation>工程另存为...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy as Command Line</source>
        <translation>复制为命令行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Recipe...</source>
        <translation>保存处理方案...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Recent File</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit(&amp;X)</source>
        <translation>Exit(&amp;X)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>撤消(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation>重做(&amp;R)	Ctrl+Y</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>StatusBar(&amp;S)</source>
        <translation>StatusBar(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next Pane</source>
        <translation>Next Pane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Pane</source>
        <translation>Previous Pane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Definition...</source>
        <translation>Definition...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window(&amp;W)...</source>
        <translation>Window(&amp;W)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Windows 2000(&amp;2)</source>
        <translation>Windows 2000(&amp;2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Office XP(&amp;X)</source>
        <translation>Office XP(&amp;X)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows XP(&amp;W)</source>
        <translation>Windows XP(&amp;W)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Office 2003(&amp;3)</source>
        <translation>Office 2003(&amp;3)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visual Studio 200&amp;5</source>
        <translation>Visual Studio 200&amp;5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visual Studio 200&amp;8</source>
        <translation>Visual Studio 200&amp;8</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue(&amp;B)</source>
        <translation>Blue(&amp;B)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black(&amp;L)</source>
        <translation>Black(&amp;L)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silvery(&amp;S)</source>
        <translation>Silvery(&amp;S)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua(&amp;A)</source>
        <translation>Aqua(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7</source>
        <translation>Windows 7</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Config</source>
        <translation>Config</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Data</source>
        <translation>Choose Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Processed Data</source>
        <translation>Processed Data</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth Display</source>
        <translation>Depth Display</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct Bad Points</source>
        <translation>Correct Bad Points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search Bad Points and Process</source>
        <translation>Search Bad Points and Process</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instrument Link</source>
        <translation>Instrument Link</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ichnography Curving Graph</source>
        <translation>Ichnography Curving Graph</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical Curving Graph</source>
        <translation>Vertical Curving Graph</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Round Graph</source>
        <translation> Round Graph</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pseudo-section Map</source>
        <translation>拟断面图</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Company</source>
        <translation>About Company</translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainactions.cpp" line="+32"/>
        <source>Undo %1</source>
        <translation>撤消 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo %1</source>
        <translation>重做 %1</translation>
    </message>
    <message>
        <location filename="../src/gui/common/commanddescriptor.cpp" line="-58"/>
        <source>Import Text...</source>
        <translation>导入文本...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reopen with Encoding...</source>
        <translation>以编码重新打开...</translation>
    </message>
</context>
<context>
    <name>vantrel::MainMenus</name>
    <message>
        <location filename="../src/gui/app/mainmenus.cpp" line="+35"/>
        <source>File(&amp;F)</source>
        <translation>File(&amp;F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>View(&amp;V)</source>
        <translation>View(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbar and DockWindows(&amp;T)</source>
        <translation>Toolbar and DockWindows(&amp;T)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Software Pattern(&amp;A)</source>
        <translation>Software Pattern(&amp;A)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Office 2007(&amp;7)</source>
        <translation>Office 2007(&amp;7)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Data Processing</source>
        <translation>Data Processing</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Curving</source>
        <translation>Curving</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help(&amp;H)</source>
        <translation>Help(&amp;H)</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+80"/>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>Recent File</source>
        <translation>Recent File</translation>
    </message>
</context>
<context>
    <name>vantrel::PictureExportDialog</name>
    <message>
        <location filename="../src/gui/app/pictureexportdialog.cpp" line="+14"/>
        <location line="+95"/>
        <source>Save Picture</source>
        <translation>Save Picture</translation>
    </message>
    <message>
        <location line="-84"/>
        <source> px</source>
        <translation> 像素</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Keep proportions</source>
        <translation>保持比例</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Format:</source>
        <translation>格式:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size:</source>
        <translation>大小:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File name:</source>
        <translation>文件名:</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
要替换它吗?</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>%1 is a folder. Please give a file name.</source>
        <translation>%1 是文件夹。请输入文件名。</translation>
    </message>
</context>
<context>
    <name>vantrel::ProjectCommands</name>
    <message>
        <location filename="../src/gui/commands/projectcommands.cpp" line="+29"/>
        <source>Vantrel Project(*.vantrel)|*.vantrel|All File(*.*) |*.*||</source>
        <translation>Vantrel 工程(*.vantrel)|*.vantrel|所有文件(*.*) |*.*||</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vantrel Recipe(*.vantrel)|*.vantrel|All File(*.*) |*.*||</source>
        <translation>Vantrel 处理方案(*.vantrel)|*.vantrel|所有文件(*.*) |*.*||</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>The project could not be saved to %1: %2</source>
        <translation>无法将工程保存到 %1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Project saved to %1</source>
        <translation>工程已保存到 %1</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Copied: %1</source>
        <translation>已复制: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The recipe could not be saved to %1: %2</source>
        <translation>无法将处理方案保存到 %1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recipe saved to %1</source>
        <translation>处理方案已保存到 %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The data file of the project %1 is not where it was:
%2
Show where it is now?</source>
        <translation>工程 %1 的数据文件不在原来的位置:
%2
指出它现在的位置吗?</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 is a recipe, not a project: it names no data file. Open a data file and run the recipe with vantrel-cli --recipe, or open a project.</source>
        <translation>%1 是处理方案而不是工程: 它没有指明数据文件。请打开数据文件并用 vantrel-cli --recipe 运行该方案, 或打开一个工程。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Checking %1...</source>
        <translation>正在校验 %1...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opening %1 was cancelled.</source>
        <translation>已取消打开 %1。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The data file has changed since the project was saved.</source>
        <translation>自工程保存以来数据文件已被修改。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1
Replay the project&apos;s steps on it anyway?</source>
        <translation>%1
仍要在其上重放工程的处理步骤吗?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: the import mapping cannot be used: %2</source>
        <translation>%1: 无法使用导入映射: %2</translation>
    </message>
    <message numerus="yes">
        <location line="+35"/>
        <source>Project %1 opened: %n step(s) replayed</source>
        <translation>
            <numerusform>工程 %1 已打开: 重放了 %n 个步骤</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrel::ProjectRecovery</name>
    <message>
        <location filename="../src/gui/commands/projectrecovery.cpp" line="+64"/>
        <source>Vantrel did not close normally, and the work on %1 was not saved.
Recover it?</source>
        <translation>Vantrel 未正常关闭, 对 %1 的工作尚未保存。
恢复它吗?</translation>
    </message>
</context>
<context>
    <name>vantrel::SectionChart</name>
    <message>
        <location filename="../src/gui/charts/sectionchart.cpp" line="+76"/>
        <source>Depth (m)</source>
        <translation>深度 (m)</translation>
    </message>
    <message>
        <location line="+302"/>
        <source>x=%1  depth=%2  reading=%3</source>
        <translation>x=%1  深度=%2  读数=%3</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Depth rows without a number are left out: %1.</source>
        <translation>无数值的深度行已略去: %1。</translation>
    </message>
    <message>
        <location line="-267"/>
        <source>Position (m)</source>
        <translation>位置 (m)</translation>
    </message>
    <message>
        <location line="+269"/>
        <source>%1 It is drawn as measured cells.</source>
        <translation>%1 已按实测单元绘制。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every reading is the same: there are no contour lines to draw.</source>
        <translation>所有读数相同: 没有可绘制的等值线。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The contour lines cannot be drawn: %1</source>
        <translation>无法绘制等值线: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading the range of every file...</source>
        <translation>正在读取所有文件的数值范围...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Working out the section&apos;s grid and contour lines...</source>
        <translation>正在计算断面网格和等值线...</translation>
    </message>
    <message>
        <location filename="../src/gui/charts/sectionwindow.cpp" line="+26"/>
        <source>Surfer 6 text grid</source>
        <translation>Surfer 6 文本网格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surfer 6 binary grid</source>
        <translation>Surfer 6 二进制网格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surfer 7 binary grid</source>
        <translation>Surfer 7 二进制网格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GeoTIFF, float32</source>
        <translation>GeoTIFF, float32</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ESRI ASCII grid</source>
        <translation>ESRI ASCII 网格</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XYZ table (position, depth, value)</source>
        <translation>XYZ 表 (位置, 深度, 数值)</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The section holds no readings: there is no grid to export.</source>
        <translation>断面没有读数: 没有可导出的网格。</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The section grid is written to %1</source>
        <translation>断面网格已写入 %1</translation>
    </message>
    <message>
        <location filename="../src/gui/charts/sectionchart.cpp" line="-16"/>
        <source>The depth data hold no readings to draw.</source>
        <translation>深度数据中没有可绘制的读数。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Some readings are 0 or below: the colour scale is linear.</source>
        <translation>部分读数小于或等于 0：颜色刻度为线性。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The fixed range reaches 0 or below: the colour scale is linear.</source>
        <translation>固定范围达到 0 或以下：颜色刻度为线性。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>vantrel::SectionFileSelector</name>
    <message>
        <location filename="../src/gui/charts/sectionfileselector.cpp" line="+15"/>
        <source>File:</source>
        <translation>文件:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file of the depth table this section shows</source>
        <translation>本断面显示的深度表文件</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>File%1</source>
        <translation>File%1</translation>
    </message>
</context>
<context>
    <name>vantrel::SectionMapOptions</name>
    <message>
        <location filename="../src/gui/charts/sectionmapoptions.cpp" line="+62"/>
        <source>Same colour range for every file</source>
        <translation>所有文件使用相同色标范围</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gridding:</source>
        <translation>网格化:</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Inverse distance to a power</source>
        <translation>反距离加权</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nearest reading</source>
        <translation>最近读数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linear</source>
        <translation>线性</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measured cells</source>
        <translation>实测单元</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Contour lines</source>
        <translation>等值线</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Number of levels</source>
        <translation>等级数</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These levels</source>
        <translation>指定等级</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Levels:</source>
        <translation>等级:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number:</source>
        <translation>数量:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>e.g. 10, 20, 50, 100</source>
        <translation>例如 10, 20, 50, 100</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Levels at:</source>
        <translation>等级值:</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Give the levels as numbers separated by commas.</source>
        <translation>请给出以逗号分隔的数字作为等级。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A contour level must be a number, not &quot;%1&quot;.</source>
        <translation>等值线等级必须是数字, 而不是 &quot;%1&quot;。</translation>
    </message>
</context>
<context>
    <name>vantrel::StartupOptions</name>
    <message>
        <location filename="../src/gui/app/startupoptions.cpp" line="+58"/>
        <source>Usage: vantrel [OPTION...] [FILE...]
Opens multi-frequency survey files (.dat, .csv) in the desktop program.

Each FILE is opened as File &gt; Open opens it; a file that cannot be read
says why in a message, and the program starts all the same.

Options:
  -h, --help       print this help and exit
  -v, --version    print the version and exit
  --               every later argument is a file, even one starting with -

Qt&apos;s own options work as well, such as -platform offscreen, -style NAME
and -display DISPLAY.

Environment:
  VANTREL_UI_LANGUAGE    zh or en: the language of the menus and texts
                         (without it, the system&apos;s language)

The batch command line on the same core is vantrel-cli (see vantrel-cli --help).
</source>
        <translation>用法: vantrel [选项...] [文件...]
在桌面程序中打开多频勘探数据文件 (.dat, .csv)。

每个文件都像 File &gt; Open 一样打开；无法读取的文件会在消息中说明原因，
程序照常启动。

选项:
  -h, --help       显示此帮助并退出
  -v, --version    显示版本并退出
  --               其后的每个参数都是文件，即使以 - 开头

也可使用 Qt 自身的选项，例如 -platform offscreen、-style NAME
和 -display DISPLAY。

环境变量:
  VANTREL_UI_LANGUAGE    zh 或 en: 菜单和文字的语言
                         (未设置时使用系统语言)

同一核心上的批处理命令行程序是 vantrel-cli (参见 vantrel-cli --help)。
</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>vantrel: unknown option &apos;%1&apos;
Try &apos;vantrel --help&apos; for more information.
</source>
        <translation>vantrel: 未知选项 &apos;%1&apos;
请运行 &apos;vantrel --help&apos; 查看更多信息。
</translation>
    </message>
</context>
<context>
    <name>vantrel::ToolbarSet</name>
    <message>
        <location filename="../src/gui/app/toolbarset.cpp" line="+51"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>Toolbar%1</source>
        <translation>Toolbar%1</translation>
    </message>
</context>
<context>
    <name>vantrel::WindowsDialog</name>
    <message>
        <location filename="../src/gui/app/windowsdialog.cpp" line="+29"/>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Activate</source>
        <translation>Activate</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Window(s)</source>
        <translation>Close Window(s)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Select window:</source>
        <translation>Select window:</translation>
    </message>
</context>
</TS>
