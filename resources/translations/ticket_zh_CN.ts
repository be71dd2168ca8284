<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MarkupUI::CTextEditUI</name>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
</context>
<context>
    <name>app::CDesignerApp</name>
    <message>
        <source>Designer for queue-ticket printer templates</source>
        <translation>排队票据打印机模板设计器</translation>
    </message>
    <message>
        <source>A template file to open.</source>
        <translation>要打开的模板文件。</translation>
    </message>
    <message>
        <source>Save a picture of the window to &lt;file&gt; and quit.</source>
        <translation>把窗口图像保存到 &lt;file&gt; 后退出。</translation>
    </message>
    <message>
        <source>Quit as soon as the window has been painted once.</source>
        <translation>窗口首次绘制完成后立即退出。</translation>
    </message>
    <message>
        <source>Keep &lt;file&gt; up to date with where the toolbox rows, the page and the property rows are on the screen (JSON).</source>
        <translation>把工具箱各行、页面和属性行在屏幕上的位置持续写入 &lt;file&gt;（JSON）。</translation>
    </message>
</context>
<context>
    <name>app::CMainFrame</name>
    <message>
        <source>Vantro  Number  Print  Software</source>
        <translation>打印模板设计器</translation>
    </message>
    <message>
        <source>Vantro Design template</source>
        <translation>Vantro打印模板</translation>
    </message>
    <message>
        <source>A new template could not be created.</source>
        <translation>无法新建模板。</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened.</source>
        <translation>无法打开文件 %1。</translation>
    </message>
    <message>
        <source>%1 could not be read as a design template, so it opens as an empty form.
Saving asks for a new name and leaves the file as it is.

%2</source>
        <translation>%1 无法作为打印模板读取，已打开为空白模板。
保存时会要求输入新文件名，原文件保持不变。

%2</translation>
    </message>
    <message>
        <source>Vantro design template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>The template could not be saved to %1.</source>
        <translation>无法把模板保存到 %1。</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>打开此文档</translation>
    </message>
    <message>
        <source>The printer is still receiving data; try again when the transfer has finished.</source>
        <translation>打印机仍在接收数据，请等传输结束后再试。</translation>
    </message>
    <message>
        <source>No samples found</source>
        <translation>未找到示例</translation>
    </message>
    <message>
        <source>Start a new template from %1</source>
        <translation>以 %1 为起点新建模板</translation>
    </message>
    <message>
        <source>The sample %1 cannot be opened.</source>
        <translation>无法打开示例 %1。</translation>
    </message>
    <message>
        <source>The sample %1 could not be read, so it opens as an empty form.

%2</source>
        <translation>无法读取示例 %1，因此打开为空白表单。

%2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>无标题</translation>
    </message>
</context>
<context>
    <name>app::CommandTable</name>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create new file
New</source>
        <translation>创建新文档
新建</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open file
Open</source>
        <translation>打开现有文档
打开</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save active document
Save</source>
        <translation>保存活动文档
保存</translation>
    </message>
    <message>
        <source>S&amp;ave As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save as</source>
        <translation>用新名称保存活动文档
另存为</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Show full page
Print preview</source>
        <translation>显示整页
打印预览</translation>
    </message>
    <message>
        <source>Send To COM &amp;Port...	Ctrl+P</source>
        <translation>发送到串口(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Upload the test page to the printer
Upload test page</source>
        <translation>把测试页上传到打印机
上传测试页</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Exit the application; prompt to save the document
Exit</source>
        <translation>退出应用程序；提示保存文档
退出</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤消(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>撤消上一个操作
撤消</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection and put it into the clipboard
Cut</source>
        <translation>剪切所选内容，将其放入剪贴板
剪切</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection and put it in the clipboard
Copy</source>
        <translation>复制所选内容，将其放入剪贴板
复制</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Insert clipboard content
Paste</source>
        <translation>插入剪贴板内容
粘贴</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准工具栏</translation>
    </message>
    <message>
        <source>Show or hide the standard toolbar
Standard toolbar</source>
        <translation>显示或隐藏标准工具栏
标准工具栏</translation>
    </message>
    <message>
        <source>Form Edit</source>
        <translation>窗体编辑</translation>
    </message>
    <message>
        <source>Form format editing
Form edit</source>
        <translation>窗体格式编辑
窗体编辑</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Switch status bar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>Windows &amp;2000</source>
        <translation>Windows 2000(&amp;2)</translation>
    </message>
    <message>
        <source>Office &amp;XP</source>
        <translation>Office XP(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Windows XP</source>
        <translation>Windows XP(&amp;W)</translation>
    </message>
    <message>
        <source>Office 200&amp;3</source>
        <translation>Office 2003(&amp;3)</translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;5</source>
        <translation>Visual Studio 200&amp;5</translation>
    </message>
    <message>
        <source>Visual Studio 200&amp;8</source>
        <translation>Visual Studio 200&amp;8</translation>
    </message>
    <message>
        <source>&amp;Blue style</source>
        <translation>蓝色样式(&amp;B)</translation>
    </message>
    <message>
        <source>B&amp;lack style</source>
        <translation>黑色样式(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Silver style</source>
        <translation>银色样式(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Aqua style</source>
        <translation>水绿色样式(&amp;A)</translation>
    </message>
    <message>
        <source>Windows 7</source>
        <translation>Windows 7</translation>
    </message>
    <message>
        <source>Toolbox</source>
        <translation>工具箱</translation>
    </message>
    <message>
        <source>Show the toolbox
Toolbox</source>
        <translation>显示工具箱
工具箱</translation>
    </message>
    <message>
        <source>Property Window</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Show the properties window
Properties</source>
        <translation>显示属性窗口
属性</translation>
    </message>
    <message>
        <source>&amp;About Designer...</source>
        <translation>关于 Designer(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>显示程序信息、版本号和版权
关于</translation>
    </message>
    <message>
        <source>Print active document
Print</source>
        <translation>打印活动文档
打印</translation>
    </message>
    <message>
        <source>Redo the last undo operation
Redo</source>
        <translation>恢复上次撤消的操作
重做</translation>
    </message>
    <message>
        <source>Delete selected controls
Delete</source>
        <translation>删除选中的控件
删除</translation>
    </message>
    <message>
        <source>Set device time</source>
        <translation>设置设备时间</translation>
    </message>
    <message>
        <source>Upload data to the device</source>
        <translation>上传数据到设备</translation>
    </message>
    <message>
        <source>Switch to the next pane
Next pane</source>
        <translation>切换到下一个窗格
下一窗格</translation>
    </message>
    <message>
        <source>Switch back to the previous pane
Previous pane</source>
        <translation>切换回上一个窗格
上一窗格</translation>
    </message>
    <message>
        <source>
Left align</source>
        <translation>
左对齐</translation>
    </message>
    <message>
        <source>
Right align</source>
        <translation>
右对齐</translation>
    </message>
    <message>
        <source>
Top align</source>
        <translation>
顶端对齐</translation>
    </message>
    <message>
        <source>
Bottom align</source>
        <translation>
底端对齐</translation>
    </message>
    <message>
        <source>
Make the horizontal spacing consistent</source>
        <translation>
使水平间距相等</translation>
    </message>
    <message>
        <source>
Make the longitudinal spacing consistent</source>
        <translation>
使垂直间距相等</translation>
    </message>
    <message>
        <source>
Make the width the same</source>
        <translation>
使宽度相同</translation>
    </message>
    <message>
        <source>
Make the height the same</source>
        <translation>
使高度相同</translation>
    </message>
    <message>
        <source>
Make the same size</source>
        <translation>
使大小相同</translation>
    </message>
    <message>
        <source>
Display grid</source>
        <translation>
显示网格</translation>
    </message>
    <message>
        <source>Vertical alignment</source>
        <translation>垂直居中</translation>
    </message>
    <message>
        <source>HorizontalAlignment</source>
        <translation>水平居中</translation>
    </message>
    <message>
        <source>Chec&amp;k Template</source>
        <translation>检查模板(&amp;K)</translation>
    </message>
    <message>
        <source>Find what would print differently from the design before it is printed
Check template</source>
        <translation>在打印之前找出打印结果与设计不同之处
检查模板</translation>
    </message>
    <message>
        <source>Check Results</source>
        <translation>检查结果</translation>
    </message>
    <message>
        <source>Show the findings of the template check
Check results</source>
        <translation>显示模板检查的结果
检查结果</translation>
    </message>
</context>
<context>
    <name>app::FrameBars</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Application Look</source>
        <translation>外观(&amp;A)</translation>
    </message>
    <message>
        <source>Office 200&amp;7</source>
        <translation>Office 2007(&amp;7)</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Form edit</source>
        <translation>窗体编辑</translation>
    </message>
    <message>
        <source>Open Sa&amp;mple</source>
        <translation>打开示例(&amp;M)</translation>
    </message>
</context>
<context>
    <name>app::FramePrompts</name>
    <message>
        <source>Design template (*.vt)</source>
        <translation>打印模板 (*.vt)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改?</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Don't Save</source>
        <translation>不保存(&amp;N)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The check found %1 errors: the printer would not print this ticket as designed. The Check Results pane lists them.

Upload the template anyway?</source>
        <translation>检查发现 %1 个错误：打印机不会按设计打印此票据。“检查结果”窗格列出了这些错误。

仍要上传模板吗？</translation>
    </message>
    <message>
        <source>Upload Anyway</source>
        <translation>仍然上传</translation>
    </message>
    <message>
        <source>The check found an error: the printer would not print this ticket as designed. The Check Results pane lists it.

Upload the template anyway?</source>
        <translation>检查发现 1 个错误：打印机不会按设计打印此票据。“检查结果”窗格列出了该错误。

仍要上传模板吗？</translation>
    </message>
</context>
<context>
    <name>app::SampleTemplates</name>
    <message>
        <source>Bank, 80 mm, Chinese and English</source>
        <translation>银行，80 毫米，中英文</translation>
    </message>
    <message>
        <source>Clinic, 58 mm</source>
        <translation>诊所，58 毫米</translation>
    </message>
    <message>
        <source>Government service hall, 80 mm, Chinese</source>
        <translation>政务服务大厅，80 毫米，中文</translation>
    </message>
    <message>
        <source>Minimal ticket, 58 mm</source>
        <translation>简易号票，58 毫米</translation>
    </message>
</context>
<context>
    <name>app::StatusPanes</name>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>No transmission started</source>
        <translation>未开始传输</translation>
    </message>
    <message>
        <source>Failed to write data!</source>
        <translation>写入数据失败!</translation>
    </message>
    <message>
        <source>Data sent to the printer.</source>
        <translation>写入数据成功!</translation>
    </message>
    <message>
        <source>Please connect the printer</source>
        <translation>请连接打印机</translation>
    </message>
    <message>
        <source>Printer has error</source>
        <translation>打印机有错误</translation>
    </message>
    <message>
        <source>Printer Status is normal</source>
        <translation>打印机状态正常</translation>
    </message>
    <message>
        <source>Paper empty</source>
        <translation>缺纸</translation>
    </message>
    <message>
        <source>Test page sent to the printer.</source>
        <translation>测试页已发送到打印机。</translation>
    </message>
    <message>
        <source>Printer clock set.</source>
        <translation>打印机时钟已设置。</translation>
    </message>
    <message>
        <source>Template sent to the printer.</source>
        <translation>模板已发送到打印机。</translation>
    </message>
</context>
<context>
    <name>app::TimeFormatWords</name>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>时</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>check</name>
    <message>
        <source>The number length is %1, but the ending number %2 needs %3 digits.</source>
        <translation>号码长度为 %1，但结束号码 %2 需要 %3 位数字。</translation>
    </message>
    <message>
        <source>The field's glyphs have no size (it shows no text or has no box): it prints nothing.</source>
        <translation>该字段的字形没有尺寸（没有文字或没有框）：什么也打印不出来。</translation>
    </message>
    <message>
        <source>Its glyphs exceed the printer's 4096-dot limit and print at %1% of the designed size.</source>
        <translation>其字形超出打印机 4096 点的上限，按设计尺寸的 %1% 打印。</translation>
    </message>
    <message>
        <source>Its digits print %1 mm (%2 dots) tall, below the legible %3 mm (%4 dots).</source>
        <translation>其数字打印高度为 %1 毫米（%2 点），低于可辨认的 %3 毫米（%4 点）。</translation>
    </message>
    <message>
        <source>Its text prints %1 mm (%2 dots) tall, below the legible %3 mm (%4 dots).</source>
        <translation>其文字打印高度为 %1 毫米（%2 点），低于可辨认的 %3 毫米（%4 点）。</translation>
    </message>
    <message>
        <source>The field lies over printed content (%1 dots of ink): the printer prints over it.</source>
        <translation>该字段压在已打印的内容上（%1 个墨点）：打印机会叠印在上面。</translation>
    </message>
    <message>
        <source>The image "%1" is not in the template.</source>
        <translation>模板中没有图像“%1”。</translation>
    </message>
    <message>
        <source>The image "%1" cannot be read.</source>
        <translation>无法读取图像“%1”。</translation>
    </message>
    <message>
        <source>In black and white the picture prints almost white (%1% ink).</source>
        <translation>黑白打印时该图片几乎全白（墨点占 %1%）。</translation>
    </message>
    <message>
        <source>In black and white the picture prints almost black (%1% ink).</source>
        <translation>黑白打印时该图片几乎全黑（墨点占 %1%）。</translation>
    </message>
    <message>
        <source>Nothing of it lies in the printable area: it is left out of the ticket.</source>
        <translation>它没有任何部分位于可打印区域内：票据上不会出现。</translation>
    </message>
    <message>
        <source>Part of it lies outside the printable area and is cut off.</source>
        <translation>它有一部分位于可打印区域之外，会被裁掉。</translation>
    </message>
    <message>
        <source>Its stroke is %1 printer dots thick, less than one: it may vanish or print unevenly.</source>
        <translation>其线条粗 %1 个打印点，不足一点：可能消失或打印不均。</translation>
    </message>
    <message>
        <source>Its colour is lighter than the printer's black-and-white threshold: it does not print.</source>
        <translation>其颜色浅于打印机的黑白阈值：打印不出来。</translation>
    </message>
    <message>
        <source>The page cannot be rendered: it has no printable area or is too large to draw.</source>
        <translation>无法绘制页面：没有可打印区域，或页面太大。</translation>
    </message>
    <message>
        <source>The starting and ending numbers must lie between 0 and 65535; the printer gets other numbers.</source>
        <translation>起始号码和结束号码必须在 0 到 65535 之间；否则打印机收到的是别的号码。</translation>
    </message>
    <message>
        <source>Another field of this kind (element %1) comes later: the printer keeps only that one.</source>
        <translation>后面还有同类字段（元素 %1）：打印机只保留那一个。</translation>
    </message>
    <message>
        <source>More than %1 time fields: this one is left out.</source>
        <translation>时间字段超过 %1 个：此字段被略去。</translation>
    </message>
    <message>
        <source>More than %1 dynamic fields: this one is left out.</source>
        <translation>动态字段超过 %1 个：此字段被略去。</translation>
    </message>
    <message>
        <source>The printer cannot fill this field in: it is left out.</source>
        <translation>打印机无法填写此字段：它被略去。</translation>
    </message>
    <message>
        <source>Its widest value "%1" prints %2 dots wide, wider than the field's %3 dots: %4 dots are cut off.</source>
        <translation>其最宽的值“%1”打印宽 %2 点，超过字段的 %3 点：有 %4 点被截掉。</translation>
    </message>
    <message>
        <source>Its glyphs print %1 dots tall, taller than the field's %2 dots: %3 rows are cut off.</source>
        <translation>其字形打印高 %1 点，超过字段的 %2 点：有 %3 行被截掉。</translation>
    </message>
</context>
<context>
    <name>cli::CliText</name>
    <message>
        <source>Show this help and quit.</source>
        <translation>显示本帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>用法: %1</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>多余的参数 %1</translation>
    </message>
    <message>
        <source>ticket-cli: %1</source>
        <translation>ticket-cli: %1</translation>
    </message>
    <message>
        <source>usage: ticket-cli %1</source>
        <translation>用法: ticket-cli %1</translation>
    </message>
    <message>
        <source>Try "ticket-cli %1 --help" for more information.</source>
        <translation>运行 "ticket-cli %1 --help" 了解更多信息。</translation>
    </message>
    <message>
        <source>The printer's device node, for example /dev/usb/lp0 (default: the first printer found).</source>
        <translation>打印机的设备节点，例如 /dev/usb/lp0（默认: 找到的第一台打印机）。</translation>
    </message>
    <message>
        <source>Give up when the printer takes no data for &lt;seconds&gt; (default: %1).</source>
        <translation>打印机 &lt;seconds&gt; 秒内没有接收数据时放弃（默认: %1）。</translation>
    </message>
    <message>
        <source>--timeout needs a whole number of seconds from 1 to %1, not "%2"</source>
        <translation>--timeout 需要 1 到 %1 之间的整数秒数，而不是 "%2"</translation>
    </message>
    <message>
        <source>The local time to set, "YYYY-MM-DD HH:MM:SS" (default: now).</source>
        <translation>要设置的本地时间，"YYYY-MM-DD HH:MM:SS"（默认: 现在）。</translation>
    </message>
    <message>
        <source>ticket-cli: the printer did not report its status</source>
        <translation>ticket-cli: 打印机没有报告状态</translation>
    </message>
    <message>
        <source>%1 (port status 0x%2)</source>
        <translation>%1 (端口状态 0x%2)</translation>
    </message>
    <message>
        <source>The template to send.</source>
        <translation>要发送的模板。</translation>
    </message>
    <message>
        <source>Printer has error</source>
        <translation>打印机有错误</translation>
    </message>
    <message>
        <source>Printer Status is normal</source>
        <translation>打印机状态正常</translation>
    </message>
    <message>
        <source>Paper empty</source>
        <translation>缺纸</translation>
    </message>
    <message>
        <source>ticket-cli: printer busy: another program is using it</source>
        <translation>ticket-cli: 打印机忙: 另一个程序正在使用它</translation>
    </message>
    <message>
        <source>ticket-cli: no printer: please connect the printer</source>
        <translation>ticket-cli: 没有打印机: 请连接打印机</translation>
    </message>
    <message>
        <source>ticket-cli: no printer at %1</source>
        <translation>ticket-cli: %1 处没有打印机</translation>
    </message>
    <message>
        <source>ticket-cli: no printer: cannot open it: %1</source>
        <translation>ticket-cli: 没有打印机: 无法打开: %1</translation>
    </message>
    <message>
        <source>ticket-cli: write failed: the printer took no data for %1 seconds</source>
        <translation>ticket-cli: 写入失败: 打印机 %1 秒内没有接收数据</translation>
    </message>
    <message>
        <source>ticket-cli: write failed: %1</source>
        <translation>ticket-cli: 写入失败: %1</translation>
    </message>
    <message>
        <source>Failed to write data!</source>
        <translation>写入数据失败!</translation>
    </message>
    <message>
        <source>Print JSON instead of readable lines.</source>
        <translation>输出 JSON 而不是可读的文本行。</translation>
    </message>
    <message>
        <source>The template to describe.</source>
        <translation>要描述的模板。</translation>
    </message>
    <message>
        <source>Write the bytes to &lt;file&gt; ("-": standard output).</source>
        <translation>把字节写到 &lt;file&gt;（"-": 标准输出）。</translation>
    </message>
    <message>
        <source>Also write the size of every write to &lt;file&gt;, one a line.</source>
        <translation>同时把每次写入的大小写到 &lt;file&gt;，每行一个。</translation>
    </message>
    <message>
        <source>The clock's local time, "YYYY-MM-DD HH:MM:SS" (clock only; default: now).</source>
        <translation>时钟的本地时间，"YYYY-MM-DD HH:MM:SS"（仅用于 clock；默认: 现在）。</translation>
    </message>
    <message>
        <source>upload, print or clock.</source>
        <translation>upload、print 或 clock。</translation>
    </message>
    <message>
        <source>The template (upload and print only).</source>
        <translation>模板（仅用于 upload 和 print）。</translation>
    </message>
    <message>
        <source>-o FILE is missing</source>
        <translation>缺少 -o 文件</translation>
    </message>
    <message>
        <source>only one of -o and --buffer-sizes can be standard output</source>
        <translation>-o 和 --buffer-sizes 只能有一个是标准输出</translation>
    </message>
    <message>
        <source>clock takes no template</source>
        <translation>clock 不需要模板</translation>
    </message>
    <message>
        <source>unknown transaction %1</source>
        <translation>未知的传输类型 %1</translation>
    </message>
    <message>
        <source>--at is for clock only</source>
        <translation>--at 只用于 clock</translation>
    </message>
    <message>
        <source>ticket-cli: cannot write %1: %2</source>
        <translation>ticket-cli：无法写入 %1：%2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Write the PNG picture to &lt;file&gt; ("-": standard output).</source>
        <translation>把 PNG 图片写到 &lt;file&gt;（"-": 标准输出）。</translation>
    </message>
    <message>
        <source>The template to draw.</source>
        <translation>要绘制的模板。</translation>
    </message>
    <message>
        <source>unknown render mode %1</source>
        <translation>未知的渲染模式 %1</translation>
    </message>
    <message>
        <source>ticket-cli: %1 has no printable area</source>
        <translation>ticket-cli：%1 没有可打印区域</translation>
    </message>
    <message>
        <source>ticket-cli: the page of %1 is %2 x %3 pixels, which cannot be rendered</source>
        <translation>ticket-cli：%1 的页面为 %2 x %3 像素，无法渲染</translation>
    </message>
    <message>
        <source>ticket-cli: cannot save %1: %2</source>
        <translation>ticket-cli: 无法保存 %1: %2</translation>
    </message>
    <message>
        <source>The paper width in millimetres: 58 (the default) or 80.</source>
        <translation>纸张宽度（毫米）: 58（默认）或 80。</translation>
    </message>
    <message>
        <source>The template file to write.</source>
        <translation>要写出的模板文件。</translation>
    </message>
    <message>
        <source>--paper is 58 or 80, not "%1"</source>
        <translation>--paper 只能是 58 或 80，而不是 "%1"</translation>
    </message>
    <message>
        <source>The template to open.</source>
        <translation>要打开的模板。</translation>
    </message>
    <message>
        <source>Where to save it.</source>
        <translation>保存的位置。</translation>
    </message>
    <message>
        <source>ticket-cli: warning: %1 opens as an empty form: %2</source>
        <translation>ticket-cli: 警告: %1 打开为空白模板: %2</translation>
    </message>
    <message>
        <source>ticket-cli: --at needs "YYYY-MM-DD HH:MM:SS", not "%1"</source>
        <translation>ticket-cli: --at 需要 "YYYY-MM-DD HH:MM:SS" 格式，而不是 "%1"</translation>
    </message>
    <message>
        <source>print the form's settings and every element</source>
        <translation>显示模板的页面设置和每个元素</translation>
    </message>
    <message>
        <source>write a new, empty template</source>
        <translation>写出一个新的空白模板</translation>
    </message>
    <message>
        <source>draw the page as the designer shows it (design), its printed part (static), the print preview, or the printer's 1-bit page image (device)</source>
        <translation>按设计器显示的样子绘制页面 (design)、其打印部分 (static)、打印预览 (preview) 或打印机的 1 位页面图像 (device)</translation>
    </message>
    <message>
        <source>open a template and save it under another name</source>
        <translation>打开模板并以另一个名称保存</translation>
    </message>
    <message>
        <source>write the bytes a transaction sends, and optionally its buffer sizes</source>
        <translation>写出一次传输发送的字节，并可选写出其缓冲区大小</translation>
    </message>
    <message>
        <source>upload a template to the printer</source>
        <translation>把模板上传到打印机</translation>
    </message>
    <message>
        <source>print a template's static page at once</source>
        <translation>立即打印模板的静态页面</translation>
    </message>
    <message>
        <source>set the printer's clock to now or to the given local time</source>
        <translation>把打印机时钟设为现在或指定的本地时间</translation>
    </message>
    <message>
        <source>show the printer's port status</source>
        <translation>显示打印机的端口状态</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>退出状态:</translation>
    </message>
    <message>
        <source>success</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>bad arguments</source>
        <translation>参数错误</translation>
    </message>
    <message>
        <source>the input cannot be read</source>
        <translation>无法读取输入</translation>
    </message>
    <message>
        <source>the output cannot be written</source>
        <translation>无法写入输出</translation>
    </message>
    <message>
        <source>no printer</source>
        <translation>没有打印机</translation>
    </message>
    <message>
        <source>printer busy</source>
        <translation>打印机忙</translation>
    </message>
    <message>
        <source>writing to the printer failed</source>
        <translation>写入打印机失败</translation>
    </message>
    <message>
        <source>"ticket-cli COMMAND --help" shows the options of a command.</source>
        <translation>"ticket-cli 命令 --help" 显示命令的选项。</translation>
    </message>
    <message>
        <source>Opens, checks and draws queue-ticket printer templates (*.vt) and sends them to the printer, without a display.</source>
        <translation>无需显示器即可打开、检查和绘制排队叫号打印机模板 (*.vt) 并发送到打印机。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令:</translation>
    </message>
    <message>
        <source>Try "ticket-cli --help" for more information.</source>
        <translation>运行 "ticket-cli --help" 了解更多信息。</translation>
    </message>
    <message>
        <source>a command is missing</source>
        <translation>缺少命令</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>未知命令 %1</translation>
    </message>
    <message>
        <source>template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>element %1 (%2)</source>
        <translation>元素 %1（%2）</translation>
    </message>
    <message>
        <source>The template to check.</source>
        <translation>要检查的模板。</translation>
    </message>
    <message>
        <source>%1: %2 errors, %3 warnings, %4 notes</source>
        <translation>%1：%2 个错误，%3 个警告，%4 个提示</translation>
    </message>
    <message>
        <source>find what will print wrong: fields too narrow for their widest value, elements left out or cut, illegible text, vanishing strokes and pictures, missing images</source>
        <translation>找出会打印错误的地方：容不下最宽值的字段、被略去或裁掉的元素、难以辨认的文字、消失的线条和图片、缺失的图像</translation>
    </message>
    <message>
        <source>the page cannot be rendered: too large, or no printable area; for check: the template has errors</source>
        <translation>无法绘制页面：太大或没有可打印区域；对 check 而言：模板有错误</translation>
    </message>
    <message>
        <source>Please connect the printer</source>
        <translation>请连接打印机</translation>
    </message>
    <message>
        <source>Data sent to the printer.</source>
        <translation>写入数据成功!</translation>
    </message>
    <message>
        <source>What to draw: design (the page as the designer shows it, the default), static (only what is printed from the page image), preview (the black-and-white print preview), device (the printer's 1-bit page image) or ticket (a ticket as the printer prints it, in its dots, the fields filled in).</source>
        <translation>要绘制的内容：design（设计器中显示的页面，默认）、static（仅页面图像中打印的部分）、preview（黑白打印预览）、device（打印机的 1 位页面图像）或 ticket（打印机按其点阵打印出的票据，字段已填写）。</translation>
    </message>
    <message>
        <source>the ticket values go with --mode ticket only</source>
        <translation>票据数值只能与 --mode ticket 一起使用</translation>
    </message>
    <message>
        <source>ticket mode: the ticket number (default 1).</source>
        <translation>票据模式：取号号码（默认 1）。</translation>
    </message>
    <message>
        <source>ticket mode: the waiting count (default 0).</source>
        <translation>票据模式：等待人数（默认 0）。</translation>
    </message>
    <message>
        <source>ticket mode: the number being served (default 0).</source>
        <translation>票据模式：正在服务的号码（默认 0）。</translation>
    </message>
    <message>
        <source>ticket mode: the date and time, "YYYY-MM-DD HH:MM:SS" (default 2024-03-01 08:30:00).</source>
        <translation>票据模式：日期和时间，“YYYY-MM-DD HH:MM:SS”（默认 2024-03-01 08:30:00）。</translation>
    </message>
    <message>
        <source>ticket mode: every field at its widest value instead, the widest digit of its glyph set in every position, as the template check measures it.</source>
        <translation>票据模式：改为让每个字段显示其最宽的值，即每个位置都用其字形集中最宽的数字，与模板检查的度量相同。</translation>
    </message>
    <message>
        <source>--%1 needs a decimal number from 0 to %2, not "%3"</source>
        <translation>--%1 需要 0 到 %2 之间的十进制数，而不是“%3”</translation>
    </message>
    <message>
        <source>--time needs "YYYY-MM-DD HH:MM:SS", not "%1"</source>
        <translation>--time 需要“YYYY-MM-DD HH:MM:SS”格式，而不是“%1”</translation>
    </message>
    <message>
        <source>--worst-case fills every field itself; give it without values</source>
        <translation>--worst-case 会自行填写每个字段；请不要同时给出数值</translation>
    </message>
</context>
<context>
    <name>document</name>
    <message>
        <source>The markup holds no element.</source>
        <translation>标记中没有任何元素。</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1: %2</translation>
    </message>
    <message>
        <source>The file is not a ZIP archive.</source>
        <translation>该文件不是 ZIP 压缩包。</translation>
    </message>
    <message>
        <source>The archive holds no readable skin.xml (%1).</source>
        <translation>压缩包中没有可读的 skin.xml (%1)。</translation>
    </message>
    <message>
        <source>The markup does not start with a form.</source>
        <translation>标记的根元素不是窗体。</translation>
    </message>
    <message>
        <source>The markup cannot be read: %1</source>
        <translation>无法读取标记: %1</translation>
    </message>
    <message>
        <source>The template archive could not be rebuilt.</source>
        <translation>无法重建模板压缩包。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1: %2</translation>
    </message>
</context>
<context>
    <name>editor::CClipboardCommands</name>
    <message>
        <source>The clipboard contents are too large to paste; nothing was pasted.</source>
        <translation>剪贴板中的内容过大，无法粘贴；未粘贴任何内容。</translation>
    </message>
    <message>
        <source>The clipboard does not hold readable designer elements; nothing was pasted.</source>
        <translation>剪贴板中没有可读取的设计元素；未粘贴任何内容。</translation>
    </message>
    <message>
        <source>Elements of unknown kinds left out: %1.</source>
        <translation>已略去未知类型的元素：%1 个。</translation>
    </message>
    <message>
        <source>Elements with impossible positions or sizes left out: %1.</source>
        <translation>已略去位置或尺寸不合理的元素：%1 个。</translation>
    </message>
    <message>
        <source>Elements beyond the first %1 left out: %2.</source>
        <translation>已略去前 %1 个之外的元素：%2 个。</translation>
    </message>
    <message>
        <source>Ticket numbers, waiting counts or now-serving numbers left out, as the ticket already holds one of that kind: %1.</source>
        <translation>票面上已有同类元素，已略去取号号码、等待人数或正在服务号码元素：%1 个。</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>未粘贴任何内容。</translation>
    </message>
</context>
<context>
    <name>editor::CDesignerView</name>
    <message>
        <source>The page is %1 pixels wide, so it has no millimetre scale: check the printer resolution (dpi) of the template or give the page a width.</source>
        <translation>页面宽度为 %1 像素，无法换算毫米刻度：请检查模板的打印机分辨率（dpi）或为页面设置宽度。</translation>
    </message>
    <message>
        <source>The ticket already holds an element of this kind.</source>
        <translation>票面上已有此类元素。</translation>
    </message>
    <message>
        <source>Template check: no findings.</source>
        <translation>模板检查：没有发现问题。</translation>
    </message>
    <message>
        <source>Template check: errors %1, warnings %2, notes %3.</source>
        <translation>模板检查：错误 %1，警告 %2，提示 %3。</translation>
    </message>
    <message>
        <source>Nothing was sent: the check found errors in the template.</source>
        <translation>未发送任何数据：检查发现模板中有错误。</translation>
    </message>
</context>
<context>
    <name>emulator::EmulatorText</name>
    <message>
        <source>Usage: %1</source>
        <translation>用法: %1</translation>
    </message>
    <message>
        <source>Exit status of decode:</source>
        <translation>decode 的退出状态:</translation>
    </message>
    <message>
        <source>the stream is sound</source>
        <translation>数据流正确</translation>
    </message>
    <message>
        <source>the stream has a fault; what the printer kept before it is still written</source>
        <translation>数据流有错误；错误之前打印机保存的内容仍会写出</translation>
    </message>
    <message>
        <source>bad arguments</source>
        <translation>参数错误</translation>
    </message>
    <message>
        <source>the stream cannot be read or the report cannot be written</source>
        <translation>无法读取数据流或无法写出报告</translation>
    </message>
    <message>
        <source>Exit status of live:</source>
        <translation>live 的退出状态:</translation>
    </message>
    <message>
        <source>the command's own status (0 to 123)</source>
        <translation>命令自身的状态（0 到 123）</translation>
    </message>
    <message>
        <source>the command succeeded, but what it sent breaks the printer's rules</source>
        <translation>命令成功，但它发送的内容不符合打印机的规则</translation>
    </message>
    <message>
        <source>bad arguments, no emulated printer, or the report cannot be written</source>
        <translation>参数错误、无法模拟打印机或无法写出报告</translation>
    </message>
    <message>
        <source>the command cannot be run</source>
        <translation>无法运行命令</translation>
    </message>
    <message>
        <source>the command is not found</source>
        <translation>找不到命令</translation>
    </message>
    <message>
        <source>the command was killed by signal N</source>
        <translation>命令被信号 N 终止</translation>
    </message>
    <message>
        <source>ticket-printer-emu: %1</source>
        <translation>ticket-printer-emu: %1</translation>
    </message>
    <message>
        <source>Try "ticket-printer-emu --help" for more information.</source>
        <translation>运行 "ticket-printer-emu --help" 了解更多信息。</translation>
    </message>
    <message>
        <source>Show this help and quit.</source>
        <translation>显示本帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and quit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Write what the printer keeps to &lt;dir&gt;: state.txt, template.json, the page and glyph pictures and a sample ticket.png.</source>
        <translation>把打印机保存的内容写到 &lt;dir&gt;: state.txt、template.json、页面和字形图片以及样票 ticket.png。</translation>
    </message>
    <message>
        <source>live: keep every byte the printer receives in &lt;file&gt;.</source>
        <translation>live: 把打印机收到的每个字节保存到 &lt;file&gt;。</translation>
    </message>
    <message>
        <source>live: the port status the printer reports, 0x18 (ready, the default), 0x38 (paper empty) or 0x30 (error).</source>
        <translation>live: 打印机报告的端口状态，0x18（就绪，默认）、0x38（缺纸）或 0x30（错误）。</translation>
    </message>
    <message>
        <source>live: the printer takes at most &lt;bytes&gt; a second (default: all at once).</source>
        <translation>live: 打印机每秒最多接收 &lt;bytes&gt; 字节（默认: 立即全部接收）。</translation>
    </message>
    <message>
        <source>The sample ticket's number (default 1).</source>
        <translation>样票的票号（默认 1）。</translation>
    </message>
    <message>
        <source>The sample ticket's waiting count (default 0).</source>
        <translation>样票的等待人数（默认 0）。</translation>
    </message>
    <message>
        <source>The sample ticket's number being served (default 0).</source>
        <translation>样票的当前服务号（默认 0）。</translation>
    </message>
    <message>
        <source>The sample ticket's time, "YYYY-MM-DD HH:MM:SS" (default 2024-03-01 08:30:00).</source>
        <translation>样票的时间，"YYYY-MM-DD HH:MM:SS"（默认 2024-03-01 08:30:00）。</translation>
    </message>
    <message>
        <source>--%1 needs a decimal number from 0 to %2, not "%3"</source>
        <translation>--%1 需要 0 到 %2 之间的十进制数，而不是 "%3"</translation>
    </message>
    <message>
        <source>--time needs "YYYY-MM-DD HH:MM:SS", not "%1"</source>
        <translation>--time 需要 "YYYY-MM-DD HH:MM:SS" 格式，而不是 "%1"</translation>
    </message>
    <message>
        <source>--status needs a byte, 0x00 to 0xFF or 0 to 255, not "%1"</source>
        <translation>--status 需要一个字节，0x00 到 0xFF 或 0 到 255，而不是 "%1"</translation>
    </message>
    <message>
        <source>--rate needs a decimal number of bytes from 1 to %1, not "%2"</source>
        <translation>--rate 需要 1 到 %1 之间的十进制字节数，而不是 "%2"</translation>
    </message>
    <message>
        <source>live needs a command to run</source>
        <translation>live 需要一个要运行的命令</translation>
    </message>
    <message>
        <source>--%1 is for live only</source>
        <translation>--%1 只用于 live</translation>
    </message>
    <message>
        <source>decode takes one stream and -o DIR</source>
        <translation>decode 需要一个字节流文件和 -o 目录</translation>
    </message>
    <message>
        <source>Plays the queue-ticket printer. decode checks a captured byte stream frame by frame and writes what the printer would keep; live runs a command against an emulated printer on /dev/usb/lp0 and decodes what it sends.</source>
        <translation>模拟排队叫号打印机。decode 逐帧检查截获的字节流并写出打印机会保存的内容；live 在 /dev/usb/lp0 上的模拟打印机上运行一个命令并解码它发送的内容。</translation>
    </message>
    <message>
        <source>a mode is missing: decode or live</source>
        <translation>缺少模式: decode 或 live</translation>
    </message>
    <message>
        <source>unknown mode %1</source>
        <translation>未知模式 %1</translation>
    </message>
    <message>
        <source>ticket-printer-emu: %1: %2</source>
        <translation>ticket-printer-emu: %1: %2</translation>
    </message>
    <message>
        <source>ticket-printer-emu: %1 was killed by signal %2</source>
        <translation>ticket-printer-emu: %1 被信号 %2 终止</translation>
    </message>
    <message>
        <source>ticket-printer-emu: %1 exited with status %2</source>
        <translation>ticket-printer-emu: %1 以状态 %2 退出</translation>
    </message>
    <message>
        <source>ticket-printer-emu: cannot write %1</source>
        <translation>ticket-printer-emu: 无法写入 %1</translation>
    </message>
    <message>
        <source>ticket-printer-emu: %1 bytes received, %2 soft resets</source>
        <translation>ticket-printer-emu: 收到 %1 字节，%2 次软复位</translation>
    </message>
    <message>
        <source>printer stream</source>
        <translation>打印机数据流</translation>
    </message>
    <message>
        <source>Fill every field of the sample ticket with its widest value instead: the widest digit of its glyph set in every position, so a field too narrow for busy days shows cut off.</source>
        <translation>改为用每个字段最宽的值填写样票：每一位都用其字形集中最宽的数字，这样忙碌时放不下的字段会显示为被截断。</translation>
    </message>
</context>
<context>
    <name>panes::CCheckResultsWnd</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Ticket number</source>
        <translation>取号号码</translation>
    </message>
    <message>
        <source>Waiting count</source>
        <translation>等待人数</translation>
    </message>
    <message>
        <source>Now serving</source>
        <translation>正在服务号码</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Horizontal line</source>
        <translation>横线</translation>
    </message>
    <message>
        <source>Vertical line</source>
        <translation>竖线</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>元素</translation>
    </message>
    <message>
        <source>%1 #%2</source>
        <translation>%1 #%2</translation>
    </message>
    <message>
        <source>Check the template (File menu) to see what may print differently.</source>
        <translation>检查模板（文件菜单）以查看可能与设计不同的打印结果。</translation>
    </message>
    <message>
        <source>No findings: the ticket prints as designed.</source>
        <translation>没有发现问题：票据将按设计打印。</translation>
    </message>
    <message>
        <source>Errors %1, warnings %2, notes %3. Double-click a finding to select its element.</source>
        <translation>错误 %1，警告 %2，提示 %3。双击一条结果可选中其元素。</translation>
    </message>
    <message>
        <source>Check Results</source>
        <translation>检查结果</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>严重性</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>检查结果</translation>
    </message>
</context>
<context>
    <name>panes::CImageDialog</name>
    <message>
        <source>Select Image</source>
        <translation>选择图片</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>图片资源</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入(&amp;M)...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>取消选中(&amp;S)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Is there a file with the same name, is it overwritten?</source>
        <translation>已存在同名文件，是否覆盖？</translation>
    </message>
    <message>
        <source>File import failed!</source>
        <translation>文件导入失败！</translation>
    </message>
    <message>
        <source>Pictures of the template still use "%1" and will show nothing without it. Remove it from the template? Cancel does not bring it back.</source>
        <translation>模板中仍有图片使用“%1”，删除后这些图片将不显示。是否从模板中删除？点击“取消”不会恢复。</translation>
    </message>
</context>
<context>
    <name>panes::CPropertiesToolBar</name>
    <message>
        <source>Categorized</source>
        <translation>按分类排序</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>按字母顺序排序</translation>
    </message>
</context>
<context>
    <name>panes::CPropertiesWnd</name>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>%1 must be from %2 to %3; the previous value is kept.</source>
        <translation>%1必须在%2到%3之间，已保留原值。</translation>
    </message>
    <message>
        <source>The ending number cannot be below the starting number; it was raised to %1.</source>
        <translation>结束号数不能小于起始号码，已调整为%1。</translation>
    </message>
    <message>
        <source>The starting number cannot be above the ending number; it was lowered to %1.</source>
        <translation>起始号码不能大于结束号数，已调整为%1。</translation>
    </message>
    <message>
        <source>The top and bottom margins leave no room to print; the previous margins are kept.</source>
        <translation>上下边距过大，没有可打印的区域，已保留原边距。</translation>
    </message>
    <message>
        <source>The position is too large; the previous position is kept.</source>
        <translation>坐标超出范围，已保留原坐标。</translation>
    </message>
    <message>
        <source>Paper width must be 58 or 80 mm; the previous width is kept.</source>
        <translation>纸张宽度只能是 58 或 80 毫米；保留原来的宽度。</translation>
    </message>
</context>
<context>
    <name>panes::CToolBoxWnd</name>
    <message>
        <source>Point</source>
        <translation>指针</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Queuing</source>
        <translation>取号号码</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>正在服务号码</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待人数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Horizontal line</source>
        <translation>横线</translation>
    </message>
    <message>
        <source>Vertical line</source>
        <translation>竖线</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>圆形</translation>
    </message>
    <message>
        <source>Tool Box</source>
        <translation>工具箱</translation>
    </message>
</context>
<context>
    <name>panes::CUIProperties</name>
    <message>
        <source>Current</source>
        <translation>正在服务号码</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>等待人数</translation>
    </message>
    <message>
        <source>Queuing</source>
        <translation>取号号码</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>时间格式</translation>
    </message>
    <message>
        <source>Boot</source>
        <translation>开机</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>坐标</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>The distance between the top left corner of the control and the left border</source>
        <translation>控件左上角与左边框的距离</translation>
    </message>
    <message>
        <source>The distance between the lower right corner of the control and the left border</source>
        <translation>控件右下角与左边框的距离</translation>
    </message>
    <message>
        <source>The distance between the top left corner of the control and the top border</source>
        <translation>控件左上角与上边框的距离</translation>
    </message>
    <message>
        <source>The distance between the lower right corner of the control and the top border</source>
        <translation>控件右下角与上边框的距离</translation>
    </message>
    <message>
        <source>Paper width</source>
        <translation>打印纸宽度</translation>
    </message>
    <message>
        <source>Paper width
mm</source>
        <translation>纸张宽度
单位毫米</translation>
    </message>
    <message>
        <source>Digit count</source>
        <translation>号码位数</translation>
    </message>
    <message>
        <source>Ending number</source>
        <translation>结束号数</translation>
    </message>
    <message>
        <source>Starting number</source>
        <translation>起始号码</translation>
    </message>
    <message>
        <source>Number reset </source>
        <translation>归零设置</translation>
    </message>
    <message>
        <source>When the number is reset to zero</source>
        <translation>号码重置为零的时间</translation>
    </message>
    <message>
        <source>Print times</source>
        <translation>打印次数</translation>
    </message>
    <message>
        <source>horizontal DPI</source>
        <translation>水平DPI</translation>
    </message>
    <message>
        <source>vertical DPI</source>
        <translation>垂直DPI</translation>
    </message>
    <message>
        <source>Printer horizontal pixel density</source>
        <translation>打印机水平像素密度</translation>
    </message>
    <message>
        <source>Printer vertical pixel density</source>
        <translation>打印机垂直像素密度</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>纸张边距</translation>
    </message>
    <message>
        <source>Left margin
mm</source>
        <translation>左边距
毫米</translation>
    </message>
    <message>
        <source>Right margin
mm</source>
        <translation>右边距
毫米</translation>
    </message>
    <message>
        <source>Top margin
mm</source>
        <translation>上边距
毫米</translation>
    </message>
    <message>
        <source>Bottom margin
mm</source>
        <translation>下边距
毫米</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Display string</source>
        <translation>显示字符串</translation>
    </message>
    <message>
        <source>Border size</source>
        <translation>线宽</translation>
    </message>
    <message>
        <source>Time when printing</source>
        <translation>打印时的时间</translation>
    </message>
    <message>
        <source>Display image of the picture control</source>
        <translation>图片控件的显示图片</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>The face and style of the text. Its height follows the box: it is fitted again whenever the text, the box or its position changes.</source>
        <translation>文字的字体和样式。字高随元素框而定：文字、框或位置改变时会重新适应。</translation>
    </message>
</context>
<context>
    <name>panes::FontChooserDialog</name>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Strikeout</source>
        <translation>删除线</translation>
    </message>
    <message>
        <source>Face</source>
        <translation>字体名称</translation>
    </message>
    <message>
        <source>Height (pixels)</source>
        <translation>高度（像素）</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>效果</translation>
    </message>
</context>
<context>
    <name>panes::ImagePrompts</name>
    <message>
        <source>Image files (*.bmp *.jpg *.png)</source>
        <translation>图片文件(*.bmp *.jpg *.png)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件(*)</translation>
    </message>
    <message>
        <source>Import Image</source>
        <translation>导入图片</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>panes::PropertyRow</name>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
</context>
</TS>