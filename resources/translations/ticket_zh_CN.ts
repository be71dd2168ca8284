<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MarkupUI::CTextEditUI</name>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::CDesignerApp</name>
    <message>
        <source>Designer for queue-ticket printer templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A template file to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save a picture of the window to &lt;file&gt; and quit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::CMainFrame</name>
    <message>
        <source>Vantro  Number  Print  Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantro Design template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new template could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read as a design template, so it opens as an empty form.
Saving asks for a new name and leaves the file as it is.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vantro design template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::CommandTable</name>
    <message>
        <source>New(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new file
New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file
Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save active document
Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show full page
Print preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To COM Port(&amp;P)...	Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload the test page to the printer
Upload test page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit the application; prompt to save the document
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut the selection and put it into the clipboard
Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection and put it in the clipboard
Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert clipboard content
Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the standard toolbar
Standard toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form format editing
Form edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Switch status bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows 2000(&amp;2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office XP(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows XP(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office 2003(&amp;3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue style(&amp;B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black style(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver style(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua style(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the toolbox
Toolbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the properties window
Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Designer(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print active document
Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo the last undo operation
Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected controls
Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set device time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload data to the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch to the next pane
Next pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch back to the previous pane
Previous pane</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Left align</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Right align</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Top align</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Bottom align</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Make the horizontal spacing consistent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Make the longitudinal spacing consistent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Make the width the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Make the height the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Make the same size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Display grid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::FrameBars</name>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Look(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Office 2007(&amp;7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::FramePrompts</name>
    <message>
        <source>Design template (*.vt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::StatusPanes</name>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transmission started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully write data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please conect printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer has error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Status is normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::TimeFormatWords</name>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
