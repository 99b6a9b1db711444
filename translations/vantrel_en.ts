<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ChartPicture</name>
    <message>
        <location filename="../src/gui/charts/chartpicture.cpp" line="+43"/>
        <source>Unknown picture type: %1 (use .png, .jpg, .bmp, .pdf or .svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The picture size %1x%2 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+12"/>
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
        <location filename="../src/gui/common/commanddescriptor.cpp" line="+72"/>
        <source>Write the section&apos;s grid for other programs (Surfer, GeoTIFF, ESRI ASCII, XYZ)
Export Section Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source>Create new file
New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open an existing File
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close the Active File
Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-4"/>
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
        <location line="+4"/>
        <source>Open a project: its data file, steps and charts
Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the data file&apos;s name, the steps done and the charts as a project
Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the project under a new name
Save Project As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy the vantrel-cli command that repeats these steps
Copy as Command Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save the steps as a recipe for vantrel-cli --recipe
Save Recipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Chart
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Field Process
Field Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Draw a plane cross-sectional chart
Plane Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
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
        <location line="+1"/>
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
        <location line="-39"/>
        <source>Exit the application; prompt to save the document
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
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
        <location line="+35"/>
        <source>Select the file to be processed
Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The selection of the source file for field treatment
Field Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calculate depth data
Depth Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Import text files of other layouts (separators, decimal commas, columns chosen)
Import Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read the open files again in another text encoding
Reopen with Encoding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogPrompter</name>
    <message>
        <location filename="../src/gui/app/dialogprompter.cpp" line="+186"/>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The file as read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No file is open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::CMainFrame</name>
    <message>
        <location filename="../src/gui/app/cmainframe.cpp" line="+214"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
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
        <location line="+200"/>
        <source>Selvo Intelligent data processing software V1.6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+128"/>
        <source>There is no picture to print at the current window!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+145"/>
        <source>The steps done on %1 have not been saved in a project. Save the project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please save deep data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-505"/>
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
        <location filename="../src/gui/charts/cprintframe.cpp" line="+48"/>
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
        <location line="+6"/>
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
        <location line="+3"/>
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
        <location line="+13"/>
        <source>One Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Two Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
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
        <location filename="../src/gui/app/cvantrelapp.cpp" line="+159"/>
        <location line="+2"/>
        <source>Chart%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Please save the data!</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Redraw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/charts/graphdrawing.cpp" line="+121"/>
        <source>This chart cannot be drawn again: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>there is nothing to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-85"/>
        <source>The pseudo-section map shows every frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/charts/chartkinds.cpp" line="+38"/>
        <source>The plane profile stacks one band per file and draws at most %1; this one has %2. Choose fewer files with Choose Data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <source>The vertical profile stacks one band per frequency and draws at most %1; this one has %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The circular graph draws one chart per frequency and at most %1; this one has %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ChartEditor</name>
    <message>
        <location filename="../src/gui/charts/charteditor.cpp" line="-209"/>
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
        <location line="+5"/>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ChartPane</name>
    <message>
        <location filename="../src/gui/charts/chartpane.cpp" line="+13"/>
        <location filename="../src/gui/charts/cvantrelview.cpp" line="-97"/>
        <source>Please save graph data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>There is no picture to print at the current window!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The graph could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>There is nothing to draw.</source>
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
        <location filename="../src/gui/commands/datacommands.cpp" line="+37"/>
        <source>DAT File(*.dat)|*.dat|Excel File(*.csv)|*.csv|All File(*.*) |*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+210"/>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>1 row read from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows read from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+69"/>
        <source>Only %1 of the file&apos;s rows were read. Saving now replaces the whole file and the rows that were not read are lost. Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Saving the original data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Original data saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Saving the depth data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Depth data saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-359"/>
        <source>Choosing the data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Choose Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Choosing and processing the data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Processed Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Calculating the depth data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Depth Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Correcting bad points...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Correct Bad Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Searching bad points and processing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Search Bad Points and Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Searching bad points...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Search Bad Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+361"/>
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
        <location line="+104"/>
        <source>Not enough memory to keep &quot;%1&quot; for undo; the undo history was cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The undo history is limited to %1 MiB: the oldest step can no longer be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The undo history is limited to %1 MiB: the %2 oldest steps can no longer be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-515"/>
        <source>Field Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Processing the field source...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Changing the processing settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>deviation-factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>resistivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>depth-coefficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>p-threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>v-threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+166"/>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Reading %1 was cancelled; no file is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+42"/>
        <source>%n cell(s) of the number columns hold no number; they are marked.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n header line(s) met again among the rows were passed over.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The same file numbers were met in two files: the files were numbered 1, 2, ... in order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show the file&apos;s text in the encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Reopening reads the file again: the processing done since it was opened is lost. Reopen anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reopened in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+151"/>
        <source>Saving %1 was cancelled; the file is as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&quot;%1&quot; was cancelled; the tables are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+59"/>
        <source>rows %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::DialogPrompter</name>
    <message>
        <location filename="../src/gui/app/dialogprompter.cpp" line="-142"/>
        <source>Cancel</source>
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
        <location filename="../src/gui/app/importpreviewmodel.cpp" line="+61"/>
        <source>File number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Increment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ImportTextCommand</name>
    <message>
        <location filename="../src/gui/app/importtextcommand.cpp" line="+24"/>
        <source>Text File(*.csv;*.txt;*.dat)|*.csv;*.txt;*.dat|All File(*.*) |*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+58"/>
        <source>%1 could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+20"/>
        <source>%1 and %n more file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrel::ImportTextDialog</name>
    <message>
        <location filename="../src/gui/app/importtextdialog.cpp" line="+30"/>
        <source>Import Mapping(*.json)|*.json|All File(*.*) |*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Import Text - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+129"/>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-129"/>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+131"/>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-131"/>
        <location line="+31"/>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Point (12.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Comma (12,5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Decimal separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Header line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lines to skip after the header:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Increment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Column:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Role:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Load Mapping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Mapping...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The first lines of the file, each column headed by its role:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Detected (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+80"/>
        <source>The mapping could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The mapping could not be read from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 is not a mapping: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::InstrumentCommand</name>
    <message>
        <location filename="../src/gui/instrument/instrumentcommand.cpp" line="+70"/>
        <source>The instrument sent: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::MainActions</name>
    <message>
        <location filename="../src/gui/common/commanddescriptor.cpp" line="+4"/>
        <source>Export Section Grid...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open(&amp;O)...	Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
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
        <location line="+2"/>
        <source>Close(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open Project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Project As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy as Command Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save Recipe...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
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
        <location line="+1"/>
        <source>&amp;Redo	Ctrl+Y</source>
        <translation type="unfinished"></translation>
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
        <location line="+2"/>
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
        <location line="+2"/>
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
        <location filename="../src/gui/app/mainactions.cpp" line="+32"/>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/common/commanddescriptor.cpp" line="-58"/>
        <source>Import Text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reopen with Encoding...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::MainMenus</name>
    <message>
        <location filename="../src/gui/app/mainmenus.cpp" line="+35"/>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
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
        <location line="+2"/>
        <source>Office 2007(&amp;7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Data Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Curving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
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
    <name>vantrel::ProjectCommands</name>
    <message>
        <location filename="../src/gui/commands/projectcommands.cpp" line="+29"/>
        <source>Vantrel Project(*.vantrel)|*.vantrel|All File(*.*) |*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vantrel Recipe(*.vantrel)|*.vantrel|All File(*.*) |*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+94"/>
        <source>The project could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Project saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The recipe could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Recipe saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The data file of the project %1 is not where it was:
%2
Show where it is now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 is a recipe, not a project: it names no data file. Open a data file and run the recipe with vantrel-cli --recipe, or open a project.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Checking %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opening %1 was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The data file has changed since the project was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1
Replay the project&apos;s steps on it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1: the import mapping cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+35"/>
        <source>Project %1 opened: %n step(s) replayed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantrel::ProjectRecovery</name>
    <message>
        <location filename="../src/gui/commands/projectrecovery.cpp" line="+64"/>
        <source>Vantrel did not close normally, and the work on %1 was not saved.
Recover it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::SectionChart</name>
    <message>
        <location filename="../src/gui/charts/sectionchart.cpp" line="+76"/>
        <source>Depth (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+302"/>
        <source>x=%1  depth=%2  reading=%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-29"/>
        <source>Depth rows without a number are left out: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-267"/>
        <source>Position (m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+269"/>
        <source>%1 It is drawn as measured cells.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Every reading is the same: there are no contour lines to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The contour lines cannot be drawn: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reading the range of every file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Working out the section&apos;s grid and contour lines...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/charts/sectionwindow.cpp" line="+26"/>
        <source>Surfer 6 text grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surfer 6 binary grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Surfer 7 binary grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GeoTIFF, float32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ESRI ASCII grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>XYZ table (position, depth, value)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The section holds no readings: there is no grid to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>The section grid is written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/gui/charts/sectionchart.cpp" line="-16"/>
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
        <location line="+33"/>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::SectionFileSelector</name>
    <message>
        <location filename="../src/gui/charts/sectionfileselector.cpp" line="+15"/>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The file of the depth table this section shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>File%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::SectionMapOptions</name>
    <message>
        <location filename="../src/gui/charts/sectionmapoptions.cpp" line="+62"/>
        <source>Same colour range for every file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gridding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-52"/>
        <source>Inverse distance to a power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nearest reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Measured cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Contour lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Number of levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>These levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Levels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>e.g. 10, 20, 50, 100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Levels at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Give the levels as numbers separated by commas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A contour level must be a number, not &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <source>vantrel: unknown option &apos;%1&apos;
Try &apos;vantrel --help&apos; for more information.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vantrel::ToolbarSet</name>
    <message>
        <location filename="../src/gui/app/toolbarset.cpp" line="+51"/>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+112"/>
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
</TS>
