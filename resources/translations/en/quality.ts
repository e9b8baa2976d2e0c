<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>PageSwitcher</name>
    <message>
        <source>色卡管理</source>
        <translation>Libraries</translation>
    </message>
    <message>
        <source>质量控制</source>
        <translation>Quality control</translation>
    </message>
</context>
<context>
    <name>QualityPage</name>
    <message>
        <source>标准色</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>色卡库：</source>
        <translation>Library:</translation>
    </message>
    <message>
        <source>标准色：</source>
        <translation>Standard:</translation>
    </message>
    <message>
        <source>输入名称查找</source>
        <translation>Type to search</translation>
    </message>
    <message>
        <source>公式：</source>
        <translation>Formula:</translation>
    </message>
    <message>
        <source>容差 ΔE ≤</source>
        <translation>Limit ΔE ≤</translation>
    </message>
    <message>
        <source>保存容差</source>
        <translation>Save tolerance</translation>
    </message>
    <message>
        <source>样品测量</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>读数次数：</source>
        <translation>Readings:</translation>
    </message>
    <message>
        <source>取几次读数的平均值（1–10）</source>
        <translation>How many readings are averaged (1–10)</translation>
    </message>
    <message>
        <source>测量样品</source>
        <translation>Measure sample</translation>
    </message>
    <message>
        <source>比较结果</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>最接近的标准色</source>
        <translation>Nearest standards</translation>
    </message>
    <message>
        <source>色卡库</source>
        <translation>Library</translation>
    </message>
    <message>
        <source>双击一行即设为标准色</source>
        <translation>Double-click a row to make it the standard</translation>
    </message>
    <message>
        <source>历史记录</source>
        <translation>History</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>容差：%1</source>
        <translation>Tolerance: %1</translation>
    </message>
    <message>
        <source>容差</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>标准色：未选择</source>
        <translation>Standard: none chosen</translation>
    </message>
    <message>
        <source>标准色：%1（%2）</source>
        <translation>Standard: %1 (%2)</translation>
    </message>
    <message>
        <source>样品</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>请测量样品</source>
        <translation>Measure a sample</translation>
    </message>
    <message>
        <source>请选择标准色</source>
        <translation>Choose a standard</translation>
    </message>
    <message>
        <source>%1 次读数的标准差：L* %2   a* %3   b* %4</source>
        <translation>SD of %1 readings: L* %2   a* %3   b* %4</translation>
    </message>
    <message>
        <source>未选择标准色：仅显示最接近的标准色</source>
        <translation>No standard chosen: nearest standards only</translation>
    </message>
    <message>
        <source>样品与标准色无明显差别</source>
        <translation>No visible difference from the standard</translation>
    </message>
    <message>
        <source>样品相对标准色：%1</source>
        <translation>Sample against standard: %1</translation>
    </message>
    <message>
        <source>合格率：%1%（%2/%3）</source>
        <translation>Pass rate: %1% (%2/%3)</translation>
    </message>
    <message>
        <source>合格率：—（暂无结果）</source>
        <translation>Pass rate: — (no results yet)</translation>
    </message>
</context>
<context>
    <name>ReadingCountBox</name>
    <message>
        <source>读数次数：</source>
        <translation>Readings:</translation>
    </message>
    <message>
        <source>取几次读数的平均值（1–10）</source>
        <translation>How many readings are averaged (1–10)</translation>
    </message>
</context>
</TS>
