<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ChartPicture</name>
    <message>
        <location filename="../src/gui/charts/chartpicture.cpp" line="+45"/>
        <source>Unknown picture type: %1 (use .png, .jpg, .bmp, .pdf or .svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The picture size %1x%2 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+45"/>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Cannot draw the picture %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColourGradients</name>
    <message>
        <location filename="../src/gui/charts/colourgradients.cpp" line="+27"/>
        <source>Viridis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greyscale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thermal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spectrum</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandTexts</name>
    <message>
        <source>Write the section&apos;s grid for other programs (Surfer, GeoTIFF, ESRI ASCII, XYZ)
Export Section Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/common/commandtexts.cpp" line="+15"/>
        <source>Create new file
New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open an existing File
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close the Active File
Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the active file
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save depth data
Depth Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Chart
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Field Process
Field Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw a plane cross-sectional chart
Plane Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw vertical cross-section chart 
vertical Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Draw a ring chart
Ring Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Draw the depth data as a pseudo-section map
Pseudo-section Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display program information version number and copyright information
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Exit the application; prompt to save the document
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy the selection and place it on the clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert the clipboard contents
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show or hide the status bar 
Toggle Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the file to be processed
Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The selection of the source file for field treatment
Field Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calculate depth data
Depth Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import text files of other layouts (separators, decimal commas, columns chosen)
Import Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the open files again in another text encoding
Reopen with Encoding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogPrompter</name>
    <message>
        <location filename="../src/gui/app/dialogprompter.cpp" line="+114"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportChartPicture</name>
    <message>
        <location filename="../src/gui/charts/chartexport.cpp" line="+22"/>
        <source>The picture was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureExportDialog</name>
    <message>
        <location filename="../src/gui/app/pictureexportdialog.cpp" line="+33"/>
        <source>PNG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>JPEG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SVG drawing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CAboutDlg</name>
    <message>
        <location filename="../src/gui/app/caboutdlg.cpp" line="+52"/>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Copyright (C) Selvo Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CDialog_Data_Set</name>
    <message>
        <location filename="../src/gui/app/cdialog_data_set.cpp" line="+29"/>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Cansel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+6"/>
        <source>resistivity </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <source>Pthreshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vthreshold</source>
        <translation type="unfinished"></translation>
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
        <location filename="../src/gui/charts/charteditor.cpp" line="+261"/>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
</context>
<context>
    <name>vantrel::CFileView</name>
    <message>
        <location filename="../src/gui/panes/cfileview.cpp" line="+54"/>
        <source>File View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+41"/>
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
    <name>vantrel::CMainFrame</name>
    <message>
        <location filename="../src/gui/app/cmainframe.cpp" line="+196"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>CAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SCRL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The state of the lock keys is not known here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+100"/>
        <source>Selvo Intelligent data processing software V1.6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+94"/>
        <source>There is no picture to print at the current window!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+106"/>
        <source>Please save deep data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text encoding of the open file (File &gt; Reopen with Encoding... changes it)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::COutputWnd</name>
    <message>
        <location filename="../src/gui/panes/coutputwnd.cpp" line="+23"/>
        <source>Show Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Origin Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Data Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth Data</source>
        <translation type="unfinished"></translation>
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
        <location filename="../src/gui/charts/cprintframe.cpp" line="+47"/>
        <location line="+45"/>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-45"/>
        <source>%1 (Preview)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Page Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Last Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Fit Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Fit Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>One Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Two Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Portrait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Landscape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+63"/>
        <source>The graph could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CVantrelApp</name>
    <message>
        <source>%1 is a Vantrel project. This version of the program opens survey files (.dat, .csv) only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One survey file is open at a time: %1 was opened, these were not:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/app/cvantrelapp.cpp" line="+113"/>
        <location line="+2"/>
        <source>Chart%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Please save the data!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ChartPane</name>
    <message>
        <source>Please save graph data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture to print at the current window!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to draw.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CVantrelView</name>
    <message>
        <location filename="../src/gui/charts/cvantrelview.cpp" line="+113"/>
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
        <source>The data this chart was drawn from has changed: the picture is out of date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redraw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This chart cannot be drawn again: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is nothing to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pseudo-section map shows every frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plane profile stacks one band per file and draws at most %1; this one has %2. Choose fewer files with Choose Data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vertical profile stacks one band per frequency and draws at most %1; this one has %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The circular graph draws one chart per frequency and at most %1; this one has %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ChartEditor</name>
    <message>
        <location filename="../src/gui/charts/charteditor.cpp" line="-202"/>
        <source>Chart Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the shaded regions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Vertical axes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Series %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Colour map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blend smoothly between heights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logarithmic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Colours:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Automatic range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CustomizeDialog</name>
    <message>
        <location filename="../src/gui/app/customizedialog.ui" line="+6"/>
        <source>Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Categories:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Add &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt; Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Toolbar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Buttons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Button image (UserImages.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Use Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Own Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Toolbars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbar name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/app/customizedialog.cpp" line="+146"/>
        <source>Delete the toolbar &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+80"/>
        <source>——— Separator ———</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+79"/>
        <source>At most ten toolbars of your own can be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::DataCommands</name>
    <message>
        <location filename="../src/gui/commands/datacommands.cpp" line="+32"/>
        <source>DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+104"/>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>1 row read from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows read from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Only %1 of the file&apos;s rows were read. Saving now replaces the whole file and the rows that were not read are lost. Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Saving the original data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Original data saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Saving the depth data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Depth data saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choosing the data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Choosing and processing the data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Processed Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Calculating the depth data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Depth Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Correcting bad points...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Correct Bad Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Searching bad points and processing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Search Bad Points and Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Searching bad points...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Search Bad Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Properties....</source>
        <translation>属性....</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Undone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Redone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+18"/>
        <source>Not enough memory to keep &quot;%1&quot; for undo; the undo history was cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-10"/>
        <source>The undo history is limited to %1 MiB: the oldest step can no longer be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The undo history is limited to %1 MiB: the %2 oldest steps can no longer be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing the field source...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing the processing settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s) of the number columns hold no number; they are marked.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n header line(s) met again among the rows were passed over.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The same file numbers were met in two files: the files were numbered 1, 2, ... in order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the file&apos;s text in the encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reopening reads the file again: the processing done since it was opened is lost. Reopen anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reopened in %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::DocumentTabButton</name>
    <message>
        <location filename="../src/gui/app/documenttabbutton.cpp" line="+22"/>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ImportPreviewModel</name>
    <message>
        <source>File number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ImportTextCommand</name>
    <message>
        <source>Text File(*.csv;*.txt;*.dat)|*.csv;*.txt;*.dat|All File(*.*) |*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrel::ImportTextDialog</name>
    <message>
        <source>Import Mapping(*.json)|*.json|All File(*.*) |*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Text - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point (12.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma (12,5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Header line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines to skip after the header:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Mapping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Mapping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first lines of the file, each column headed by its role:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detected (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mapping could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mapping could not be read from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a mapping: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::InstrumentCommand</name>
    <message>
        <location filename="../src/gui/instrument/instrumentcommand.cpp" line="+71"/>
        <source>The instrument sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::MainActions</name>
    <message>
        <source>Export Section Grid...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/app/mainactions.cpp" line="+20"/>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Original Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Depth Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>StatusBar(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Definition...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Window(&amp;W)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Windows 2000(&amp;2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Office XP(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows XP(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Office 2003(&amp;3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visual Studio 200&amp;5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Visual Studio 200&amp;8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blue(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Black(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Silvery(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aqua(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Processed Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Depth Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Correct Bad Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search Bad Points and Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instrument Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ichnography Curving Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vertical Curving Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Round Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pseudo-section Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reopen with Encoding...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::MainMenus</name>
    <message>
        <location filename="../src/gui/app/mainmenus.cpp" line="+31"/>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>View(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Toolbar and DockWindows(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Software Pattern(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Office 2007(&amp;7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Data Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Curving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+80"/>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-41"/>
        <source>Recent File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::PictureExportDialog</name>
    <message>
        <location filename="../src/gui/app/pictureexportdialog.cpp" line="+14"/>
        <location line="+95"/>
        <source>Save Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-84"/>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Keep proportions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+85"/>
        <source>%1 is a folder. Please give a file name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::SectionChart</name>
    <message>
        <source>Depth (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x=%1  depth=%2  reading=%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth rows without a number are left out: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 It is drawn as measured cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every reading is the same: there are no contour lines to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The contour lines cannot be drawn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working out the section&apos;s grid and contour lines...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surfer 6 text grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surfer 6 binary grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surfer 7 binary grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GeoTIFF, float32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ESRI ASCII grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XYZ table (position, depth, value)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The section holds no readings: there is no grid to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The section grid is written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/charts/sectionchart.cpp" line="+31"/>
        <source>Height (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>The depth data hold no readings to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Some readings are 0 or below: the colour scale is linear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The fixed range reaches 0 or below: the colour scale is linear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>x=%1  height=%2  reading=%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ToolbarSet</name>
    <message>
        <location filename="../src/gui/app/toolbarset.cpp" line="+50"/>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+116"/>
        <source>Toolbar%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::WindowsDialog</name>
    <message>
        <location filename="../src/gui/app/windowsdialog.cpp" line="+29"/>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close Window(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Select window:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::StartupOptions</name>
    <message>
        <source>Usage: vantrel [OPTION...] [FILE...]
Opens multi-frequency survey files (.dat, .csv) in the desktop program.

Each FILE is opened as File &gt; Open opens it; a file that cannot be read
says why in a message, and the program starts all the same.

Options:
  -h, --help       print this help and exit
  -v, --version    print the version and exit
  --               every later argument is a file, even one starting with -

Qt's own options work as well, such as -platform offscreen, -style NAME
and -display DISPLAY.

Environment:
  VANTREL_UI_LANGUAGE    zh or en: the language of the menus and texts
                         (without it, the system's language)

The batch command line on the same core is vantrel-cli (see vantrel-cli --help).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vantrel: unknown option '%1'
Try 'vantrel --help' for more information.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ChartKinds</name>
    <message>
        <source>Vertical Profile</source>
        <translation>垂直剖面图</translation>
    </message>
    <message>
        <source>Plane Profile</source>
        <translation>平面剖面图</translation>
    </message>
    <message>
        <source>Ring Graph</source>
        <translation>环形图</translation>
    </message>
    <message>
        <source>Pseudo-section</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::SectionFileSelector</name>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file of the depth table this section shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::SectionMapOptions</name>
    <message>
        <source>Same colour range for every file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gridding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse distance to a power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measured cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contour lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. 10, 20, 50, 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the levels as numbers separated by commas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A contour level must be a number, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
