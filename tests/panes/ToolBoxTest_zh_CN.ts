<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
  <context>
    <name>panes::CToolBoxWnd</name>
    <message>
      <source>Tool Box</source>
      <translation>工具箱</translation>
    </message>
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
  </context>
</TS>
