<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AnalysisPage</name>
    <message>
        <source>输入</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>如 H7/g6</source>
        <translation>e.g. H7/g6</translation>
    </message>
    <message>
        <source>配合代号(&amp;D)</source>
        <translation>&amp;Fit</translation>
    </message>
    <message>
        <source>孔公差带(&amp;H)</source>
        <translation>&amp;Hole class</translation>
    </message>
    <message>
        <source>轴公差带(&amp;T)</source>
        <translation>Shaf&amp;t class</translation>
    </message>
    <message>
        <source>优先配合(&amp;P)</source>
        <translation>&amp;Preferred fits</translation>
    </message>
    <message>
        <source>间隙配合</source>
        <translation>Clearance fit</translation>
    </message>
    <message>
        <source>过渡配合</source>
        <translation>Transition fit</translation>
    </message>
    <message>
        <source>过盈配合</source>
        <translation>Interference fit</translation>
    </message>
    <message>
        <source>孔与轴</source>
        <translation>Hole and shaft</translation>
    </message>
    <message>
        <source>图样标注(&amp;L)</source>
        <translation>Drawing &amp;line</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>保存配合图(&amp;V)...</source>
        <translation>Sa&amp;ve diagram...</translation>
    </message>
    <message>
        <source>ISO 286-2 未列出此公差带，其极限偏差按 ISO 286-1 的规则算出</source>
        <translation>ISO 286-2 does not list this class; its limits follow from the ISO 286-1 rules</translation>
    </message>
</context>
<context>
    <name>AnalysisTexts</name>
    <message>
        <source>孔 %1</source>
        <translation>Hole %1</translation>
    </message>
    <message>
        <source>轴 %1</source>
        <translation>Shaft %1</translation>
    </message>
    <message>
        <source>请输入基本尺寸（mm）。</source>
        <translation>Enter the nominal size (mm).</translation>
    </message>
    <message>
        <source>基本尺寸应是一个数，如 40 或 12.5。</source>
        <translation>The nominal size is a number, such as 40 or 12.5.</translation>
    </message>
    <message>
        <source>基本尺寸最多取六位小数。</source>
        <translation>The nominal size takes at most six decimals.</translation>
    </message>
    <message>
        <source>基本尺寸须大于 0 且不大于 3150 mm。</source>
        <translation>The nominal size must be over 0 and at most 3150 mm.</translation>
    </message>
    <message>
        <source>请输入配合代号，如 H7/g6。</source>
        <translation>Enter a fit, such as H7/g6.</translation>
    </message>
    <message>
        <source>配合代号写作“孔/轴”，如 H7/g6。</source>
        <translation>A fit is written “hole/shaft”, such as H7/g6.</translation>
    </message>
    <message>
        <source>斜线前是孔，基本偏差用大写字母，如 H7。</source>
        <translation>Before the slash comes the hole, its letter in capitals, such as H7.</translation>
    </message>
    <message>
        <source>斜线后是轴，基本偏差用小写字母，如 g6。</source>
        <translation>After the slash comes the shaft, its letter in small letters, such as g6.</translation>
    </message>
    <message>
        <source>孔的公差带“%1”应写作基本偏差字母加公差等级，如 H7、g6。</source>
        <translation>The hole class “%1” is written as a letter and a grade, such as H7 or g6.</translation>
    </message>
    <message>
        <source>轴的公差带“%1”应写作基本偏差字母加公差等级，如 H7、g6。</source>
        <translation>The shaft class “%1” is written as a letter and a grade, such as H7 or g6.</translation>
    </message>
    <message>
        <source>“%1”大小写混用：孔用大写字母，轴用小写字母。</source>
        <translation>“%1” mixes capitals and small letters: holes take capitals, shafts small letters.</translation>
    </message>
    <message>
        <source>没有基本偏差“%1”（孔为 A 至 ZC，轴为 a 至 zc）。</source>
        <translation>There is no fundamental deviation “%1” (holes A to ZC, shafts a to zc).</translation>
    </message>
    <message>
        <source>“%1”的公差等级不在 IT01 至 IT18 之内。</source>
        <translation>The grade of “%1” is not within IT01 to IT18.</translation>
    </message>
    <message>
        <source>标准对%1 只给到 500 mm，不用于基本尺寸 %2 mm。</source>
        <translation>The standard gives %1 only up to 500 mm, not at a nominal size of %2 mm.</translation>
    </message>
    <message>
        <source>标准对%1 的基本偏差只给到较细的公差等级，没有 %2。</source>
        <translation>The standard gives the fundamental deviation of %1 only for finer grades, not for %2.</translation>
    </message>
    <message>
        <source>标准没有给出基本尺寸 %1 mm 的%2 的极限偏差。</source>
        <translation>The standard gives no limit deviations for %2 at a nominal size of %1 mm.</translation>
    </message>
    <message>
        <source>公差等级不在 IT01 至 IT18 之内。</source>
        <translation>The grade is not within IT01 to IT18.</translation>
    </message>
    <message>
        <source>基本尺寸不大于 1 mm 时，标准不采用%1。</source>
        <translation>At nominal sizes up to 1 mm the standard does not use %1.</translation>
    </message>
    <message>
        <source>找不到偏差表文件 %1（在 %2）。</source>
        <translation>The deviation table file %1 is missing (in %2).</translation>
    </message>
    <message>
        <source>偏差表 %1 不是普通文件（在 %2）。</source>
        <translation>The deviation table %1 is not a regular file (in %2).</translation>
    </message>
    <message>
        <source>偏差表文件 %1 太大，不是偏差表（在 %2）。</source>
        <translation>The deviation table file %1 is too large to be a deviation table (in %2).</translation>
    </message>
    <message>
        <source>偏差表文件 %1 第 %2 行格式不对（在 %3）。</source>
        <translation>Line %2 of the deviation table file %1 is malformed (in %3).</translation>
    </message>
    <message>
        <source>偏差表文件 %1 缺少第 %2 行（500 mm 以上的尺寸段；在 %3）。</source>
        <translation>The deviation table file %1 lacks line %2 (the size ranges above 500 mm; in %3).</translation>
    </message>
    <message>
        <source>偏差表文件 %1 不能使用（在 %2）。</source>
        <translation>The deviation table file %1 cannot be used (in %2).</translation>
    </message>
    <message>
        <source>间隙配合</source>
        <translation>Clearance fit</translation>
    </message>
    <message>
        <source>过渡配合</source>
        <translation>Transition fit</translation>
    </message>
    <message>
        <source>过盈配合</source>
        <translation>Interference fit</translation>
    </message>
    <message>
        <source>最大间隙 Xmax</source>
        <translation>Largest clearance Xmax</translation>
    </message>
    <message>
        <source>最小间隙 Xmin</source>
        <translation>Smallest clearance Xmin</translation>
    </message>
    <message>
        <source>最大过盈 Ymax</source>
        <translation>Largest interference Ymax</translation>
    </message>
    <message>
        <source>最小过盈 Ymin</source>
        <translation>Smallest interference Ymin</translation>
    </message>
    <message>
        <source>平均间隙 Xav</source>
        <translation>Mean clearance Xav</translation>
    </message>
    <message>
        <source>平均过盈 Yav</source>
        <translation>Mean interference Yav</translation>
    </message>
    <message>
        <source>基本偏差代号不在表内。</source>
        <translation>The fundamental deviation letter is not in the tables.</translation>
    </message>
    <message>
        <source>基本尺寸 %1 mm 时%2 的最小极限尺寸不大于零，没有这样的零件。</source>
        <translation>At %1 mm the smallest limit of size of %2 is zero or less: there is no such part.</translation>
    </message>
    <message>
        <source>偏差表文件 %1 是空的（在 %2）。</source>
        <translation>The deviation table file %1 is empty (in %2).</translation>
    </message>
</context>
<context>
    <name>BearingPage</name>
    <message>
        <source>输入</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>如 k5 或 H7</source>
        <translation>e.g. k5 or H7</translation>
    </message>
    <message>
        <source>轴承座公差带(&amp;E)</source>
        <translation>S&amp;eat class</translation>
    </message>
    <message>
        <source>轴承公差等级(&amp;B)</source>
        <translation>&amp;Bearing class</translation>
    </message>
    <message>
        <source>轴的公差带（小写，如 k5）配内圈，孔的公差带（大写，如 H7）配外圈。直径取窗口的基本尺寸；轴承公差按 ISO 492（GB/T 307.1）。</source>
        <translation>A shaft class (lower case, e.g. k5) seats the inner ring, a hole class (upper case, e.g. H7) the outer ring. The diameter is the window&apos;s nominal size; the bearing&apos;s tolerances are ISO 492&apos;s (GB/T 307.1).</translation>
    </message>
    <message>
        <source>轴承与轴承座</source>
        <translation>Bearing and seat</translation>
    </message>
    <message>
        <source>轴承座的图样标注(&amp;L)</source>
        <translation>Seat&apos;s drawing &amp;line</translation>
    </message>
</context>
<context>
    <name>BearingTexts</name>
    <message>
        <source>请输入轴承座的公差带：轴如 k5（配内圈），孔如 H7（配外圈）。</source>
        <translation>Enter the seat&apos;s class: a shaft class such as k5 (inner ring) or a hole class such as H7 (outer ring).</translation>
    </message>
    <message>
        <source>公差带“%1”应写作基本偏差字母加公差等级，如 k5、H7。</source>
        <translation>The class “%1” is written as a fundamental deviation letter and a grade, such as k5 or H7.</translation>
    </message>
    <message>
        <source>ISO 492 只列出内圈内径大于 %1 至 %2 mm 的公差，没有 %3 mm。</source>
        <translation>ISO 492 gives inner ring bores over %1 up to %2 mm, not %3 mm.</translation>
    </message>
    <message>
        <source>ISO 492 只列出外圈外径大于 %1 至 %2 mm 的公差，没有 %3 mm。</source>
        <translation>ISO 492 gives outer ring diameters over %1 up to %2 mm, not %3 mm.</translation>
    </message>
    <message>
        <source>轴承内圈（%1）</source>
        <translation>Bearing inner ring, %1</translation>
    </message>
    <message>
        <source>轴承外圈（%1）</source>
        <translation>Bearing outer ring, %1</translation>
    </message>
</context>
<context>
    <name>ChainPage</name>
    <message>
        <source>壳体</source>
        <translation>Housing</translation>
    </message>
    <message>
        <source>轴承</source>
        <translation>Bearing</translation>
    </message>
    <message>
        <source>隔套</source>
        <translation>Spacer</translation>
    </message>
    <message>
        <source>组成环</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>基本尺寸 mm</source>
        <translation>Nominal size mm</translation>
    </message>
    <message>
        <source>公差</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>分布</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>均值偏移 mm</source>
        <translation>Mean shift mm</translation>
    </message>
    <message>
        <source>±0.1、+0.1/-0.05（mm）、ISO 286 公差带如 h7，或一般公差如 2768-m</source>
        <translation>±0.1, +0.1/-0.05 (mm), an ISO 286 class such as h7, or a general tolerance such as 2768-m</translation>
    </message>
    <message>
        <source>+1：增环；-1：减环</source>
        <translation>+1: an increasing link; -1: a decreasing link</translation>
    </message>
    <message>
        <source>添加(&amp;A)</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>删除(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>上移(&amp;U)</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>下移(&amp;W)</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <source>打开 CSV(&amp;O)...</source>
        <translation>&amp;Open CSV...</translation>
    </message>
    <message>
        <source>保存 CSV(&amp;V)...</source>
        <translation>Sa&amp;ve CSV...</translation>
    </message>
    <message>
        <source>封闭环要求与蒙特卡洛</source>
        <translation>Requirement and Monte Carlo</translation>
    </message>
    <message>
        <source>最小值 mm(&amp;N)</source>
        <translation>Mi&amp;nimum mm</translation>
    </message>
    <message>
        <source>最大值 mm(&amp;X)</source>
        <translation>Ma&amp;ximum mm</translation>
    </message>
    <message>
        <source>可不填</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>样本数(&amp;M)</source>
        <translation>Sa&amp;mples</translation>
    </message>
    <message>
        <source>随机种子(&amp;E)</source>
        <translation>S&amp;eed</translation>
    </message>
    <message>
        <source>要求给出时，蒙特卡洛给出超出两端的 ppm 与 Cp、Cpk。同一种子得到同样的样本。</source>
        <translation>With a requirement the Monte Carlo gives the ppm beyond each end, Cp and Cpk. A seed always gives the same samples.</translation>
    </message>
    <message>
        <source>封闭环</source>
        <translation>Closing dimension</translation>
    </message>
    <message>
        <source>名义尺寸</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>极值法</source>
        <translation>Worst case</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Smallest</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Largest</translation>
    </message>
    <message>
        <source>变动范围</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>统计法（RSS）</source>
        <translation>Statistical (RSS)</translation>
    </message>
    <message>
        <source>均值 μ</source>
        <translation>Mean μ</translation>
    </message>
    <message>
        <source>蒙特卡洛</source>
        <translation>Monte Carlo</translation>
    </message>
    <message>
        <source>0.135 % 分位</source>
        <translation>0.135 % quantile</translation>
    </message>
    <message>
        <source>99.865 % 分位</source>
        <translation>99.865 % quantile</translation>
    </message>
    <message>
        <source>低于最小值</source>
        <translation>Below the minimum</translation>
    </message>
    <message>
        <source>高于最大值</source>
        <translation>Above the maximum</translation>
    </message>
    <message>
        <source>蒙特卡洛直方图</source>
        <translation>Monte Carlo histogram</translation>
    </message>
    <message>
        <source>各环贡献（按方差占比）</source>
        <translation>Contributions (by variance share)</translation>
    </message>
    <message>
        <source>方差占比</source>
        <translation>Variance share</translation>
    </message>
    <message>
        <source>极值占比</source>
        <translation>Worst-case share</translation>
    </message>
    <message>
        <source>传递系数</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>各环的极限</source>
        <translation>The links&apos; limits</translation>
    </message>
    <message>
        <source>上偏差 mm</source>
        <translation>Upper deviation mm</translation>
    </message>
    <message>
        <source>下偏差 mm</source>
        <translation>Lower deviation mm</translation>
    </message>
    <message>
        <source>最大 mm</source>
        <translation>Largest mm</translation>
    </message>
    <message>
        <source>最小 mm</source>
        <translation>Smallest mm</translation>
    </message>
    <message>
        <source>环 %1</source>
        <translation>Link %1</translation>
    </message>
    <message>
        <source>已打开：%1</source>
        <translation>Opened: %1</translation>
    </message>
    <message>
        <source>第 %1 环的“%2”含有逗号、# 或换行，CSV 文件不能保存：%3</source>
        <translation>The %2 of link %1 holds a comma, a # or a line break, which a CSV file cannot hold: %3</translation>
    </message>
    <message>
        <source>无法保存 %1：%2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>打开尺寸链</source>
        <translation>Open a dimension chain</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv);;所有文件 (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>保存尺寸链</source>
        <translation>Save the dimension chain</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>蒙特卡洛计算中……</source>
        <translation>Monte Carlo running…</translation>
    </message>
    <message>
        <source>%1 个样本，随机种子 %2</source>
        <translation>%1 samples, seed %2</translation>
    </message>
</context>
<context>
    <name>ChainTexts</name>
    <message>
        <source>一般公差只用于大于 0 的尺寸。</source>
        <translation>A general tolerance is for sizes over 0 only.</translation>
    </message>
    <message>
        <source>一般公差“%1”不用于小于 0.5 mm 的尺寸：其极限偏差应在尺寸后注出。</source>
        <translation>The general tolerance &apos;%1&apos; is not for sizes below 0.5 mm: their limits are written beside the size.</translation>
    </message>
    <message>
        <source>一般公差“%1”的表只到 4000 mm。</source>
        <translation>The table of the general tolerance &apos;%1&apos; ends at 4000 mm.</translation>
    </message>
    <message>
        <source>标准没有给出一般公差“%1”在 %2 mm 时的值。</source>
        <translation>The standard gives no value of the general tolerance &apos;%1&apos; at %2 mm.</translation>
    </message>
    <message>
        <source>名称为空。</source>
        <translation>the name is empty.</translation>
    </message>
    <message>
        <source>方向“%1”应为 +1 或 -1。</source>
        <translation>direction &apos;%1&apos; is not +1 or -1.</translation>
    </message>
    <message>
        <source>基本尺寸“%1”应是一个数（mm），如 25 或 12.5。</source>
        <translation>nominal size &apos;%1&apos; is not a number of millimetres such as 25 or 12.5.</translation>
    </message>
    <message>
        <source>基本尺寸“%1”最多取六位小数。</source>
        <translation>nominal size &apos;%1&apos; has more than six decimals.</translation>
    </message>
    <message>
        <source>基本尺寸“%1”须大于 0。</source>
        <translation>nominal size &apos;%1&apos; is not over 0.</translation>
    </message>
    <message>
        <source>公差“%1”应写作 ±T、+U/-L（mm）、ISO 286 公差带（如 h7）或一般公差（如 2768-m）。</source>
        <translation>tolerance &apos;%1&apos; is not ±T, +U/-L (mm), an ISO 286 class (such as h7) or a general tolerance (such as 2768-m).</translation>
    </message>
    <message>
        <source>公差“%1”的偏差最多取六位小数（mm）。</source>
        <translation>tolerance &apos;%1&apos; has a deviation with more than six decimals of a mm.</translation>
    </message>
    <message>
        <source>公差“%1”是 ± 一个负值。</source>
        <translation>tolerance &apos;%1&apos; is ± a negative value.</translation>
    </message>
    <message>
        <source>公差“%1”的上偏差低于下偏差。</source>
        <translation>tolerance &apos;%1&apos; has its upper deviation below its lower.</translation>
    </message>
    <message>
        <source>分布“%1”应为 normal（正态）、uniform（均匀）或 triangular（三角）。</source>
        <translation>distribution &apos;%1&apos; is not normal, uniform or triangular.</translation>
    </message>
    <message>
        <source>Cpk“%1”应是大于 0 的数。</source>
        <translation>Cpk &apos;%1&apos; is not a number over 0.</translation>
    </message>
    <message>
        <source>Cpk“%1”只用于正态分布的环：请把分布设为正态。</source>
        <translation>Cpk &apos;%1&apos; describes a normal process: set the distribution to normal.</translation>
    </message>
    <message>
        <source>均值偏移“%1”应是一个数（mm）。</source>
        <translation>mean shift &apos;%1&apos; is not a number of millimetres.</translation>
    </message>
    <message>
        <source>均值偏移“%1”使均值落在公差带的界限上或界限外。</source>
        <translation>mean shift &apos;%1&apos; puts the mean on or beyond a limit of the tolerance zone.</translation>
    </message>
    <message>
        <source>第 %1 行不是 UTF-8 文本。</source>
        <translation>line %1 is not UTF-8 text.</translation>
    </message>
    <message>
        <source>文件大于 1 MiB：没有这么长的尺寸链。</source>
        <translation>the file is larger than 1 MiB: no chain is that long.</translation>
    </message>
    <message>
        <source>第 %1 行应为表头 name,direction,nominal_mm,tolerance，其后可有 distribution、cpk、mean_shift_mm。</source>
        <translation>line %1 should be the header name,direction,nominal_mm,tolerance and then any of distribution, cpk, mean_shift_mm.</translation>
    </message>
    <message>
        <source>第 %1 行的字段数与表头不同。</source>
        <translation>line %1 does not have as many fields as the header.</translation>
    </message>
    <message>
        <source>尺寸链最多 1000 环。</source>
        <translation>A chain has at most 1000 links.</translation>
    </message>
    <message>
        <source>请至少输入一个组成环。</source>
        <translation>Enter at least one link.</translation>
    </message>
    <message>
        <source>封闭环要求须同时给出最小值和最大值（mm），或都不给。</source>
        <translation>Give the requirement&apos;s minimum and maximum (mm), or neither.</translation>
    </message>
    <message>
        <source>封闭环要求“%1”应是一个数（mm），最多六位小数。</source>
        <translation>Requirement &apos;%1&apos; is not a number of millimetres to six decimals.</translation>
    </message>
    <message>
        <source>封闭环要求的最小值大于最大值。</source>
        <translation>The requirement&apos;s smallest value is above its largest.</translation>
    </message>
    <message>
        <source>样本数“%1”应是 1000 至 10000000 之间的整数。</source>
        <translation>Samples &apos;%1&apos; is not a whole number from 1000 to 10000000.</translation>
    </message>
    <message>
        <source>随机种子“%1”应是 0 至 2^53-1 之间的整数。</source>
        <translation>Seed &apos;%1&apos; is not a whole number from 0 to 2^53-1.</translation>
    </message>
    <message>
        <source>第 %1 行（%2）：</source>
        <translation>Line %1 (%2): </translation>
    </message>
    <message>
        <source>第 %1 行：</source>
        <translation>Line %1: </translation>
    </message>
    <message>
        <source>第 %1 环（%2）：</source>
        <translation>Link %1 (%2): </translation>
    </message>
    <message>
        <source>第 %1 环：</source>
        <translation>Link %1: </translation>
    </message>
    <message>
        <source>%1 不是可以读取的文件。</source>
        <translation>%1 is not a file that can be read.</translation>
    </message>
    <message>
        <source>无法读取 %1。</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FinderTexts</name>
    <message>
        <source>请输入最小间隙（µm）。</source>
        <translation>Enter the smallest clearance (µm).</translation>
    </message>
    <message>
        <source>请输入最大间隙（µm）。</source>
        <translation>Enter the largest clearance (µm).</translation>
    </message>
    <message>
        <source>最小间隙应是一个以 µm 计的数，如 10 或 -25（负值为过盈）。</source>
        <translation>The smallest clearance is a number of µm, such as 10 or -25 (negative: interference).</translation>
    </message>
    <message>
        <source>最大间隙应是一个以 µm 计的数，如 10 或 -25（负值为过盈）。</source>
        <translation>The largest clearance is a number of µm, such as 10 or -25 (negative: interference).</translation>
    </message>
    <message>
        <source>最小间隙（%1 µm）大于最大间隙（%2 µm）。</source>
        <translation>The smallest clearance (%1 µm) is above the largest (%2 µm).</translation>
    </message>
    <message>
        <source>公差等级范围应从较细的等级到较粗的等级，如 IT5 至 IT11。</source>
        <translation>The range of grades runs from the finer to the coarser grade, such as IT5 to IT11.</translation>
    </message>
    <message>
        <source>没有配合满足要求：可放宽间隙范围或公差等级。</source>
        <translation>No fit meets the requirement: widen the clearance range or the grades.</translation>
    </message>
    <message>
        <source>找到 %1 个配合，列出最佳的 %2 个；双击或按 Enter 查看分析。</source>
        <translation>%1 fits found, the best %2 listed; double-click or press Enter to analyse one.</translation>
    </message>
    <message>
        <source>找到 %1 个配合，最佳在前；双击或按 Enter 查看分析。</source>
        <translation>%1 fits found, the best first; double-click or press Enter to analyse one.</translation>
    </message>
    <message>
        <source>扭矩或轴向力</source>
        <translation>Torque or axial force</translation>
    </message>
    <message>
        <source>从载荷查找需要“使用条件”页的轮毂外径、配合长度和载荷：请在那里输入%1。</source>
        <translation>Finding fits from the load needs the hub outside diameter, the joint length and a load on the Service conditions tab; missing there: %1.</translation>
    </message>
    <message>
        <source>“使用条件”页：%1</source>
        <translation>Service conditions tab: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>没有配合能承受该载荷：可放宽公差等级、加大轮毂或配合长度，或降低要求的安全系数。</source>
        <translation>No fit holds this load: widen the grades, make the hub larger or the joint longer, or lower the required safeties.</translation>
    </message>
    <message>
        <source>%1 个配合能承受“使用条件”页的载荷，列出最佳的 %2 个。</source>
        <translation>%1 fits hold the load of the Service conditions tab; the best %2 are listed.</translation>
    </message>
    <message>
        <source>%1 个配合能承受“使用条件”页的载荷，最佳在前；双击或按 Enter 查看分析。</source>
        <translation>%1 fits hold the load of the Service conditions tab, best first; double-click or press Enter to analyse one.</translation>
    </message>
</context>
<context>
    <name>FitFigures</name>
    <message>
        <source>上偏差</source>
        <translation>Upper deviation</translation>
    </message>
    <message>
        <source>下偏差</source>
        <translation>Lower deviation</translation>
    </message>
    <message>
        <source>最大极限尺寸</source>
        <translation>Largest limit of size</translation>
    </message>
    <message>
        <source>最小极限尺寸</source>
        <translation>Smallest limit of size</translation>
    </message>
    <message>
        <source>公差</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>配合</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>配合性质</source>
        <translation>Fit type</translation>
    </message>
    <message>
        <source>配合公差 Tf</source>
        <translation>Fit tolerance Tf</translation>
    </message>
</context>
<context>
    <name>FitFinderPage</name>
    <message>
        <source>配合</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>配合性质</source>
        <translation>Fit type</translation>
    </message>
    <message>
        <source>最小间隙 µm</source>
        <translation>Smallest clearance µm</translation>
    </message>
    <message>
        <source>最大间隙 µm</source>
        <translation>Largest clearance µm</translation>
    </message>
    <message>
        <source>配合公差 Tf µm</source>
        <translation>Fit tolerance Tf µm</translation>
    </message>
    <message>
        <source>双击或按 Enter，在“配合分析”中查看该配合</source>
        <translation>Double-click or press Enter to see the fit in “Fit analysis”</translation>
    </message>
    <message>
        <source>要求</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>最小间隙(&amp;N)</source>
        <translation>Smalle&amp;st clearance</translation>
    </message>
    <message>
        <source>最大间隙(&amp;X)</source>
        <translation>Largest clearance (&amp;X)</translation>
    </message>
    <message>
        <source>负值为过盈，如 −20 至 −60 µm</source>
        <translation>Negative values are interference, such as −20 to −60 µm</translation>
    </message>
    <message>
        <source>基孔制</source>
        <translation>Hole basis</translation>
    </message>
    <message>
        <source>基轴制</source>
        <translation>Shaft basis</translation>
    </message>
    <message>
        <source>任意</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>基准制(&amp;B)</source>
        <translation>&amp;Basis</translation>
    </message>
    <message>
        <source>公差等级(&amp;G)</source>
        <translation>&amp;Grades</translation>
    </message>
    <message>
        <source>至</source>
        <translation>to</translation>
    </message>
    <message>
        <source>所有等级组合(&amp;A)</source>
        <translation>&amp;All grade pairs</translation>
    </message>
    <message>
        <source>不选时孔与轴同级或孔低一级，如 H7/g6、H8/f8</source>
        <translation>Unticked: hole and shaft of one grade, or the hole one grade coarser, such as H7/g6 or H8/f8</translation>
    </message>
    <message>
        <source>★ 优先</source>
        <translation>★ preferred</translation>
    </message>
    <message>
        <source>排名</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>防滑安全系数</source>
        <translation>Slip safety</translation>
    </message>
    <message>
        <source>轮毂安全系数</source>
        <translation>Hub safety</translation>
    </message>
    <message>
        <source>轴安全系数</source>
        <translation>Shaft safety</translation>
    </message>
    <message>
        <source>最大压入力 N</source>
        <translation>Largest press-in force N</translation>
    </message>
    <message>
        <source>轮毂加热 °C</source>
        <translation>Hub heated °C</translation>
    </message>
    <message>
        <source>轴冷却 °C</source>
        <translation>Shaft cooled °C</translation>
    </message>
    <message>
        <source>由载荷查找(&amp;L)</source>
        <translation>From the &amp;load</translation>
    </message>
    <message>
        <source>用“使用条件”页的轮毂、材料、温度和载荷，列出能承受该载荷的配合；不用间隙范围</source>
        <translation>Lists the fits that hold the load with the hub, materials, temperatures and load of the Service conditions tab; the clearance range is not used</translation>
    </message>
    <message>
        <source>优先配合</source>
        <comment>column: whether the fit is a preferred one</comment>
        <translation>Preferred</translation>
    </message>
    <message>
        <source>警告</source>
        <comment>column: the warnings of each fit</comment>
        <translation>Warnings</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>输入</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>如 m、K 或 mK</source>
        <translation>e.g. m, K or mK</translation>
    </message>
    <message>
        <source>一般公差等级(&amp;C)</source>
        <translation>&amp;Class</translation>
    </message>
    <message>
        <source>标准(&amp;N)</source>
        <translation>Sta&amp;ndard</translation>
    </message>
    <message>
        <source>查询(&amp;Q)</source>
        <translation>&amp;Question</translation>
    </message>
    <message>
        <source>尺寸或长度(&amp;Z)</source>
        <translation>Si&amp;ze or length</translation>
    </message>
    <message>
        <source>mm：线性尺寸、倒角高度，角度的短边，或要素的长度</source>
        <translation>mm: a linear size, a chamfer height, an angle&apos;s shorter side or a feature&apos;s length</translation>
    </message>
    <message>
        <source>该尺寸的一般公差</source>
        <translation>General tolerance of the size</translation>
    </message>
    <message>
        <source>标题栏所引的一般公差表</source>
        <translation>The table the title block refers to</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>尺寸范围</source>
        <translation>Size range</translation>
    </message>
    <message>
        <source>公差</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>GeneralTexts</name>
    <message>
        <source>线性尺寸</source>
        <translation>Linear size</translation>
    </message>
    <message>
        <source>倒圆半径与倒角高度</source>
        <translation>External radius or chamfer height</translation>
    </message>
    <message>
        <source>角度（按短边长度）</source>
        <translation>Angle (by its shorter side)</translation>
    </message>
    <message>
        <source>直线度</source>
        <translation>Straightness</translation>
    </message>
    <message>
        <source>平面度</source>
        <translation>Flatness</translation>
    </message>
    <message>
        <source>垂直度（按短边长度）</source>
        <translation>Perpendicularity (by the shorter side)</translation>
    </message>
    <message>
        <source>对称度</source>
        <translation>Symmetry</translation>
    </message>
    <message>
        <source>圆跳动</source>
        <translation>Circular run-out</translation>
    </message>
    <message>
        <source>请输入公差等级，如 m、K 或 mK。</source>
        <translation>Enter a class, such as m, K or mK.</translation>
    </message>
    <message>
        <source>公差等级应为 f、m、c、v，H、K、L，或两者连写，如 mK。</source>
        <translation>A class is f, m, c or v, H, K or L, or a pair such as mK.</translation>
    </message>
    <message>
        <source>尺寸与角度需要线性尺寸的公差等级 f、m、c 或 v（或连写，如 mK）。</source>
        <translation>Sizes and angles take a linear class f, m, c or v (or a pair such as mK).</translation>
    </message>
    <message>
        <source>几何公差需要公差等级 H、K 或 L（或连写，如 mK）。</source>
        <translation>Geometrical tolerances take a class H, K or L (or a pair such as mK).</translation>
    </message>
    <message>
        <source>请输入尺寸或长度（mm）。</source>
        <translation>Enter a size or length (mm).</translation>
    </message>
    <message>
        <source>尺寸应是一个数，如 35 或 0.8。</source>
        <translation>The size is a number, such as 35 or 0.8.</translation>
    </message>
    <message>
        <source>尺寸最多取六位小数。</source>
        <translation>The size has at most six decimals.</translation>
    </message>
    <message>
        <source>尺寸须大于 0。</source>
        <translation>The size must be over 0.</translation>
    </message>
    <message>
        <source>%1 不适用于 %2 mm：小于 0.5 mm 的尺寸，其极限偏差应在尺寸后注出。</source>
        <translation>%1 has no value at %2 mm: below 0.5 mm the deviation is written beside the size.</translation>
    </message>
    <message>
        <source>%1 的表只到 %2 mm。</source>
        <translation>The table of %1 ends at %2 mm.</translation>
    </message>
    <message>
        <source>标准没有给出 %1 在 %2 mm 时的值。</source>
        <translation>The standard gives %1 no value at %2 mm.</translation>
    </message>
    <message>
        <source>任意长度</source>
        <translation>any length</translation>
    </message>
    <message>
        <source>不大于 %1 mm</source>
        <translation>up to %1 mm</translation>
    </message>
    <message>
        <source>大于 %1 mm</source>
        <translation>over %1 mm</translation>
    </message>
    <message>
        <source>%1 至 %2 mm</source>
        <translation>%1 up to %2 mm</translation>
    </message>
    <message>
        <source>大于 %1 至 %2 mm</source>
        <translation>over %1 up to %2 mm</translation>
    </message>
    <message>
        <source>圆度</source>
        <translation>Circularity</translation>
    </message>
    <message>
        <source>圆柱度</source>
        <translation>Cylindricity</translation>
    </message>
    <message>
        <source>平行度</source>
        <translation>Parallelism</translation>
    </message>
    <message>
        <source>同轴度</source>
        <translation>Coaxiality</translation>
    </message>
    <message>
        <source>未注公差值等于标准的直径公差值，但不能大于圆跳动的未注公差值。</source>
        <translation>equal to the diameter&apos;s tolerance, but not more than the circular run-out tolerance.</translation>
    </message>
    <message>
        <source>未注公差不作规定：圆柱度误差由圆度、直线度和相对素线的平行度误差组成，每一项均由其注出公差或未注公差控制。</source>
        <translation>no general tolerance: it is made up of circularity, straightness and parallelism, each within its own general or indicated tolerance.</translation>
    </message>
    <message>
        <source>未注公差值等于给出的尺寸公差值，或直线度和平面度未注公差值中的较大者；取两要素中较长者为基准。</source>
        <translation>equal to the size tolerance or to the straightness or flatness tolerance, whichever is greater; the longer of the two features is the datum.</translation>
    </message>
    <message>
        <source>未注公差值未作规定；在极限状况下，可与圆跳动的未注公差值相等。</source>
        <translation>no general tolerance of its own: the deviation may be as large as the circular run-out tolerance.</translation>
    </message>
</context>
<context>
    <name>ReportActions</name>
    <message>
        <source>已保存：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>无法保存 %1：%2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>导出报告</source>
        <translation>Export report</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>无法打印：%1</source>
        <translation>Cannot print: %1</translation>
    </message>
    <message>
        <source>导出表格</source>
        <translation>Export table</translation>
    </message>
    <message>
        <source>CSV 文件 (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
</context>
<context>
    <name>ReportTexts</name>
    <message>
        <source>配合报告</source>
        <translation>Fit report</translation>
    </message>
    <message>
        <source>Quorlan %1 · %2</source>
        <translation>Quorlan %1 · %2</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>当前文件夹</source>
        <translation>the current folder</translation>
    </message>
    <message>
        <source>孔与轴的极限</source>
        <translation>Limits of hole and shaft</translation>
    </message>
    <message>
        <source>零件</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>公差带</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>上偏差 µm</source>
        <translation>Upper deviation µm</translation>
    </message>
    <message>
        <source>下偏差 µm</source>
        <translation>Lower deviation µm</translation>
    </message>
    <message>
        <source>最大极限尺寸 mm</source>
        <translation>Largest limit of size mm</translation>
    </message>
    <message>
        <source>最小极限尺寸 mm</source>
        <translation>Smallest limit of size mm</translation>
    </message>
    <message>
        <source>公差 µm</source>
        <translation>Tolerance µm</translation>
    </message>
    <message>
        <source>孔</source>
        <translation>Hole</translation>
    </message>
    <message>
        <source>轴</source>
        <translation>Shaft</translation>
    </message>
    <message>
        <source>配合</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>间隙为孔减轴；过盈写作负间隙。</source>
        <translation>Clearance is hole minus shaft; an interference is written as a negative clearance.</translation>
    </message>
    <message>
        <source>公差带图</source>
        <translation>Tolerance zones</translation>
    </message>
    <message>
        <source>使用条件下的过盈连接</source>
        <translation>Press fit at service conditions</translation>
    </message>
    <message>
        <source>条件</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>假设</source>
        <translation>Assumptions</translation>
    </message>
    <message>
        <source>%1 · ISO 286 公差与配合 · Quorlan %2 · %3</source>
        <translation>%1 · ISO 286 limits and fits · Quorlan %2 · %3</translation>
    </message>
    <message>
        <source>第 %1 页，共 %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>配合报告 Ø%1 %2</source>
        <translation>Fit report Ø%1 %2</translation>
    </message>
    <message>
        <source>无法生成 PDF。</source>
        <translation>The PDF cannot be made.</translation>
    </message>
    <message>
        <source>打印报告</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>项目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>偏差表</source>
        <translation>Deviation tables</translation>
    </message>
    <message>
        <source>配合性质</source>
        <translation>Fit type</translation>
    </message>
    <message>
        <source>最大间隙 Xmax</source>
        <translation>Largest clearance Xmax</translation>
    </message>
    <message>
        <source>最小间隙 Xmin</source>
        <translation>Smallest clearance Xmin</translation>
    </message>
    <message>
        <source>最大过盈 Ymax</source>
        <translation>Largest interference Ymax</translation>
    </message>
    <message>
        <source>最小过盈 Ymin</source>
        <translation>Smallest interference Ymin</translation>
    </message>
    <message>
        <source>平均间隙 Xav</source>
        <translation>Mean clearance Xav</translation>
    </message>
    <message>
        <source>平均过盈 Yav</source>
        <translation>Mean interference Yav</translation>
    </message>
    <message>
        <source>配合公差 Tf</source>
        <translation>Fit tolerance Tf</translation>
    </message>
    <message>
        <source>图样标注</source>
        <translation>Drawing line</translation>
    </message>
    <message>
        <source>轮毂材料</source>
        <translation>Hub material</translation>
    </message>
    <message>
        <source>轮毂弹性模量 E</source>
        <translation>Hub Young&apos;s modulus E</translation>
    </message>
    <message>
        <source>轮毂泊松比 ν</source>
        <translation>Hub Poisson&apos;s ratio ν</translation>
    </message>
    <message>
        <source>轮毂线膨胀系数 α</source>
        <translation>Hub thermal expansion α</translation>
    </message>
    <message>
        <source>轮毂屈服强度</source>
        <translation>Hub yield strength</translation>
    </message>
    <message>
        <source>轮毂抗拉强度</source>
        <translation>Hub tensile strength</translation>
    </message>
    <message>
        <source>轴材料</source>
        <translation>Shaft material</translation>
    </message>
    <message>
        <source>轴弹性模量 E</source>
        <translation>Shaft Young&apos;s modulus E</translation>
    </message>
    <message>
        <source>轴泊松比 ν</source>
        <translation>Shaft Poisson&apos;s ratio ν</translation>
    </message>
    <message>
        <source>轴线膨胀系数 α</source>
        <translation>Shaft thermal expansion α</translation>
    </message>
    <message>
        <source>轴屈服强度</source>
        <translation>Shaft yield strength</translation>
    </message>
    <message>
        <source>轴抗拉强度</source>
        <translation>Shaft tensile strength</translation>
    </message>
    <message>
        <source>轮毂工作温度</source>
        <translation>Hub temperature in service</translation>
    </message>
    <message>
        <source>轴工作温度</source>
        <translation>Shaft temperature in service</translation>
    </message>
    <message>
        <source>摩擦系数</source>
        <translation>Friction coefficient</translation>
    </message>
    <message>
        <source>工作时配合性质改变：20 °C 时为%1，工作温度下为%2。</source>
        <translation>The fit type changes in service. At 20 °C: %1; at the service temperatures: %2.</translation>
    </message>
    <message>
        <source>尺寸为 20 °C 时的尺寸；过盈按直径计（轴减孔），正值为过盈。</source>
        <translation>Sizes are at 20 °C; interference is diametral (shaft minus hole), positive for an interference.</translation>
    </message>
    <message>
        <source>20 °C 时为%1，工作温度下为%2。</source>
        <translation>Fit type at 20 °C: %1; at the service temperatures: %2.</translation>
    </message>
    <message>
        <source>压平量 %1 µm，即 %2 ×（孔 Rz + 轴 Rz）。</source>
        <translation>Smoothing loss %1 µm: %2 × (bore Rz + shaft Rz).</translation>
    </message>
    <message>
        <source>平面应力、等长轮毂与轴、均匀接触压力（Lamé）。</source>
        <translation>Plane stress, hub and shaft of equal length, uniform contact pressure (Lamé).</translation>
    </message>
    <message>
        <source>热装或冷装所需装配间隙 %1 µm。</source>
        <translation>Joining clearance for shrink fitting %1 µm.</translation>
    </message>
    <message>
        <source>尺寸服从正态分布，居于公差带中部，公差带为 ±%1 σ。</source>
        <translation>Sizes are normally distributed, centred in their zones, each zone ±%1 σ.</translation>
    </message>
    <message>
        <source>灰铸铁没有屈服点：以抗拉强度代替屈服强度。</source>
        <translation>Grey cast iron has no yield point: its tensile strength stands in for the yield strength.</translation>
    </message>
    <message>
        <source>未给出轮毂外径：没有压力、应力、扭矩和力的结果。</source>
        <translation>No hub outside diameter given: no pressures, stresses, torque or forces.</translation>
    </message>
    <message>
        <source>未给出配合长度：没有扭矩和力的结果。</source>
        <translation>No joint length given: no torque or forces.</translation>
    </message>
    <message>
        <source>%1不是有限的数。</source>
        <translation>%1 is not a finite number.</translation>
    </message>
    <message>
        <source>%1须大于 0。</source>
        <translation>%1 must be more than 0.</translation>
    </message>
    <message>
        <source>%1不能为负。</source>
        <translation>%1 must not be negative.</translation>
    </message>
    <message>
        <source>%1低于下偏差。</source>
        <translation>%1 is below the lower deviation.</translation>
    </message>
    <message>
        <source>%1使最小极限尺寸不大于 0。</source>
        <translation>%1 takes the smallest limit of size to 0 or below.</translation>
    </message>
    <message>
        <source>%1须大于孔径（基本尺寸）。</source>
        <translation>%1 must be larger than the bore (the nominal size).</translation>
    </message>
    <message>
        <source>%1须小于轴径（基本尺寸）。</source>
        <translation>%1 must be smaller than the shaft (the nominal size).</translation>
    </message>
    <message>
        <source>%1须在 0 至 0.5 之间。</source>
        <translation>%1 must be between 0 and 0.5.</translation>
    </message>
    <message>
        <source>%1须在 0 至 1 之间。</source>
        <translation>%1 must be between 0 and 1.</translation>
    </message>
    <message>
        <source>%1低于绝对零度。</source>
        <translation>%1 is below absolute zero.</translation>
    </message>
    <message>
        <source>输入太大，%1无法计算。</source>
        <translation>%1 cannot be calculated: the inputs are too large.</translation>
    </message>
    <message>
        <source>未给出表面粗糙度 Rz：没有扣除压平量，压力和扭矩偏高。</source>
        <translation>No roughness depth Rz given: nothing is deducted for smoothing, so pressure and torque are overstated.</translation>
    </message>
    <message>
        <source>仅加热轮毂需 %1 °C，高于其材料允许的 %2 °C。</source>
        <translation>Heating the hub alone would need %1 °C, above the %2 °C its material allows.</translation>
    </message>
    <message>
        <source>仅冷却轴需 %1 °C，低于液氮的 -196 °C。</source>
        <translation>Cooling the shaft alone would need %1 °C, below liquid nitrogen&apos;s -196 °C.</translation>
    </message>
    <message>
        <source>仅冷却轴，即使冷却到绝对零度也不够（液氮为 -196 °C）。</source>
        <translation>Cooling the shaft alone would not do even at absolute zero (liquid nitrogen: -196 °C).</translation>
    </message>
    <message>
        <source>加热轮毂至极限并用液氮冷却轴，也只能张开 %1 µm，不足所需的 %2 µm：无法热装或冷装。</source>
        <translation>The hub heated to its limit and the shaft cooled in liquid nitrogen together open only %1 µm of the %2 µm needed: the parts cannot be joined by temperature.</translation>
    </message>
    <message>
        <source>%1须使零件在 -196 °C 时比在 -78 °C 时收缩更多。</source>
        <translation>%1 must make the part contract more at -196 °C than at -78 °C.</translation>
    </message>
    <message>
        <source>请给出%1。</source>
        <translation>%1 is not given.</translation>
    </message>
    <message>
        <source>静止与工作两种状态</source>
        <translation>Standstill and service</translation>
    </message>
    <message>
        <source>%1（轮毂 %2 °C，轴 %3 °C）</source>
        <translation>%1 (hub %2 °C, shaft %3 °C)</translation>
    </message>
    <message>
        <source>结果（两种状态中较差的值）</source>
        <translation>Results (the worse of both states)</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>装配方法</source>
        <translation>Joining</translation>
    </message>
    <message>
        <source>静止</source>
        <translation>Standstill</translation>
    </message>
    <message>
        <source>工作</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>%1轮毂屈服安全系数只有 %2，低于要求的 %3：轮毂孔壁会屈服。</source>
        <translation>The hub&apos;s yield safety %1 is only %2, below the required %3: the hub bore yields.</translation>
    </message>
    <message>
        <source>%1轴屈服安全系数只有 %2，低于要求的 %3：轴会屈服。</source>
        <translation>The shaft&apos;s yield safety %1 is only %2, below the required %3: the shaft yields.</translation>
    </message>
    <message>
        <source>%1可能出现间隙（最小有效过盈 %2 µm）：没有接触压力，连接传递不了扭矩。</source>
        <translation>The parts may have clearance %1 (least effective interference %2 µm): no contact pressure, no torque is transmitted.</translation>
    </message>
    <message>
        <source>%1防滑安全系数只有 %2，低于要求的 %3：连接会打滑。</source>
        <translation>The slip safety %1 is only %2, below the required %3: the joint slips.</translation>
    </message>
    <message>
        <source>摩擦系数：保持 %1，压入 %2。</source>
        <translation>Friction coefficient %1 holding, %2 pressing in.</translation>
    </message>
    <message>
        <source>%1 上偏差</source>
        <translation>%1 upper deviation</translation>
    </message>
    <message>
        <source>%1 下偏差</source>
        <translation>%1 lower deviation</translation>
    </message>
    <message>
        <source>%1 最大极限尺寸</source>
        <translation>%1 largest limit of size</translation>
    </message>
    <message>
        <source>%1 最小极限尺寸</source>
        <translation>%1 smallest limit of size</translation>
    </message>
    <message>
        <source>%1 公差</source>
        <translation>%1 tolerance</translation>
    </message>
    <message>
        <source>%1轮毂对断裂的安全系数只有 %2，低于要求的 %3：脆性轮毂可能开裂。</source>
        <translation>The hub&apos;s safety against fracture %1 is only %2, below the required %3: the brittle hub may crack.</translation>
    </message>
    <message>
        <source>请给出%1：材料标准没有给出这一截面尺寸的最低强度。</source>
        <translation>Give %1: the material standard gives no minimum strength for a section of this size.</translation>
    </message>
    <message>
        <source>轴承配合报告</source>
        <translation>Bearing seat report</translation>
    </message>
    <message>
        <source>一般公差表</source>
        <translation>General tolerance table</translation>
    </message>
    <message>
        <source>尺寸范围</source>
        <translation>Size range</translation>
    </message>
    <message>
        <source>公差</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>无表的要素</source>
        <translation>Features without a table</translation>
    </message>
    <message>
        <source>大于 %1 至 %2 mm（ISO 492）</source>
        <translation>over %1 up to %2 mm (ISO 492)</translation>
    </message>
    <message>
        <source>轴承与轴承座的极限</source>
        <translation>Limits of bearing and seat</translation>
    </message>
    <message>
        <source>轴承座的图样标注</source>
        <translation>Seat&apos;s drawing line</translation>
    </message>
    <message>
        <source>概率间隙：尺寸服从正态分布，居于公差带中部，公差带为 ±3σ；99.73 % 的配合在此范围内，取整到微米并向外圆整。</source>
        <translation>Probable clearances: sizes normally distributed, centred in their zones, each zone ±3σ; 99.73 % of the pairs lie within them, rounded outward to whole µm.</translation>
    </message>
    <message>
        <source>一般公差表 %1</source>
        <translation>General tolerance table %1</translation>
    </message>
    <message>
        <source>轴承配合报告 Ø%1 %2</source>
        <translation>Bearing seat report Ø%1 %2</translation>
    </message>
    <message>
        <source>轴承座公差带</source>
        <translation>Seat class</translation>
    </message>
    <message>
        <source>轴承</source>
        <translation>Bearing</translation>
    </message>
    <message>
        <source>轴承公差的直径范围</source>
        <translation>Diameter range of the bearing&apos;s tolerance</translation>
    </message>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>螺纹报告</source>
        <translation>Thread report</translation>
    </message>
    <message>
        <source>螺纹基本尺寸</source>
        <translation>Basic diameters</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>中径配合</source>
        <translation>Fit at the pitch diameter</translation>
    </message>
    <message>
        <source>推荐公差带（ISO 965-1、GB/T 197）</source>
        <translation>Recommended classes (ISO 965-1, GB/T 197)</translation>
    </message>
    <message>
        <source>中径公差带图</source>
        <translation>Tolerance zones at the pitch diameter</translation>
    </message>
    <message>
        <source>%1 · ISO 965 普通螺纹公差 · Quorlan %2 · %3</source>
        <translation>%1 · ISO 965 metric thread tolerances · Quorlan %2 · %3</translation>
    </message>
    <message>
        <source>%1 · 尺寸链（GB/T 5847） · Quorlan %2 · %3</source>
        <translation>%1 · Dimension chain (GB/T 5847) · Quorlan %2 · %3</translation>
    </message>
    <message>
        <source>%1 · 一般公差（ISO 2768、GB/T 1804） · Quorlan %2 · %3</source>
        <translation>%1 · General tolerances (ISO 2768, GB/T 1804) · Quorlan %2 · %3</translation>
    </message>
    <message>
        <source>尺寸链报告</source>
        <translation>Dimension chain report</translation>
    </message>
    <message>
        <source>%1 环</source>
        <translation>%1 links</translation>
    </message>
    <message>
        <source>名义尺寸 %1 mm</source>
        <translation>Nominal %1 mm</translation>
    </message>
    <message>
        <source>组成环</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>基本尺寸 mm</source>
        <translation>Nominal size mm</translation>
    </message>
    <message>
        <source>分布</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>上偏差 mm</source>
        <translation>Upper deviation mm</translation>
    </message>
    <message>
        <source>下偏差 mm</source>
        <translation>Lower deviation mm</translation>
    </message>
    <message>
        <source>最大 mm</source>
        <translation>Largest mm</translation>
    </message>
    <message>
        <source>最小 mm</source>
        <translation>Smallest mm</translation>
    </message>
    <message>
        <source>封闭环要求</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>极值法</source>
        <translation>Worst case</translation>
    </message>
    <message>
        <source>统计法（RSS）</source>
        <translation>Statistical (RSS)</translation>
    </message>
    <message>
        <source>蒙特卡洛</source>
        <translation>Monte Carlo</translation>
    </message>
    <message>
        <source>各环贡献（按方差占比）</source>
        <translation>Contributions (by variance share)</translation>
    </message>
    <message>
        <source>传递系数</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>方差占比</source>
        <translation>Variance share</translation>
    </message>
    <message>
        <source>极值占比</source>
        <translation>Worst-case share</translation>
    </message>
    <message>
        <source>方法</source>
        <translation>Methods</translation>
    </message>
    <message>
        <source>封闭环等于各组成环尺寸乘以方向（+1 增环，-1 减环）之和。</source>
        <translation>The closing dimension is the sum of each link&apos;s size times its direction (+1 an increasing link, -1 a decreasing one).</translation>
    </message>
    <message>
        <source>极值法（GB/T 5847-2004）：各环同时处于使封闭环最大或最小的极限，结果精确。</source>
        <translation>Worst case (GB/T 5847-2004): every link at the limit that makes the closing dimension largest or smallest; exact.</translation>
    </message>
    <message>
        <source>蒙特卡洛：各环按其分布抽样后求和；同一随机种子得到同样的样本。分位数为样本的顺序统计量。</source>
        <translation>Monte Carlo: each link drawn from its distribution and the closing dimension summed; a seed always gives the same samples. The quantiles are the samples&apos; order statistics.</translation>
    </message>
    <message>
        <source>最小值</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>最大值</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>最小</source>
        <translation>Smallest</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Largest</translation>
    </message>
    <message>
        <source>变动范围</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>均值 μ</source>
        <translation>Mean μ</translation>
    </message>
    <message>
        <source>标准差 σ</source>
        <translation>Standard deviation σ</translation>
    </message>
    <message>
        <source>μ − 3σ</source>
        <translation>μ − 3σ</translation>
    </message>
    <message>
        <source>μ + 3σ</source>
        <translation>μ + 3σ</translation>
    </message>
    <message>
        <source>样本数</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>随机种子</source>
        <translation>Seed</translation>
    </message>
    <message>
        <source>0.135 % 分位</source>
        <translation>0.135 % quantile</translation>
    </message>
    <message>
        <source>99.865 % 分位</source>
        <translation>99.865 % quantile</translation>
    </message>
    <message>
        <source>低于最小值</source>
        <translation>Below the minimum</translation>
    </message>
    <message>
        <source>高于最大值</source>
        <translation>Above the maximum</translation>
    </message>
    <message>
        <source>Cp</source>
        <translation>Cp</translation>
    </message>
    <message>
        <source>Cpk</source>
        <translation>Cpk</translation>
    </message>
    <message>
        <source>统计法（GB/T 5847-2004）：各环独立，均值在公差带中点加均值偏移；σ 由分布而定，正态 T/6（给出 Cpk 时由 Cpk 而定），均匀 T/√12，三角 T/√24；结果为正态时，μ ± 3σ 内含 99.73 % 的装配。</source>
        <translation>Statistical (GB/T 5847-2004): the links independent, each mean at its zone&apos;s middle plus its mean shift; σ by the distribution, normal T/6 (from the Cpk where one is given), uniform T/√12, triangular T/√24; for a normal result μ ± 3σ holds 99.73 % of assemblies.</translation>
    </message>
</context>
<context>
    <name>ServicePage</name>
    <message>
        <source>轮毂与轴</source>
        <translation>Hub and shaft</translation>
    </message>
    <message>
        <source>不填则无压力</source>
        <translation>empty: no pressure</translation>
    </message>
    <message>
        <source>实心轴</source>
        <translation>solid shaft</translation>
    </message>
    <message>
        <source>不填则无扭矩</source>
        <translation>empty: no torque</translation>
    </message>
    <message>
        <source>轮毂外径(&amp;O)</source>
        <translation>Hub &amp;outside diameter</translation>
    </message>
    <message>
        <source>轴内孔直径(&amp;I)</source>
        <translation>Shaft bore d&amp;iameter</translation>
    </message>
    <message>
        <source>配合长度(&amp;L)</source>
        <translation>Joint &amp;length</translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Materials</translation>
    </message>
    <message>
        <source>轮毂</source>
        <translation>Hub</translation>
    </message>
    <message>
        <source>轴</source>
        <translation>Shaft</translation>
    </message>
    <message>
        <source>弹性模量 E (MPa)</source>
        <translation>Young&apos;s modulus E (MPa)</translation>
    </message>
    <message>
        <source>泊松比 ν</source>
        <translation>Poisson&apos;s ratio ν</translation>
    </message>
    <message>
        <source>线膨胀系数 α (10⁻⁶/K)</source>
        <translation>Expansion coefficient α (10⁻⁶/K)</translation>
    </message>
    <message>
        <source>屈服强度 (MPa)</source>
        <translation>Yield strength (MPa)</translation>
    </message>
    <message>
        <source>工作条件</source>
        <translation>Service conditions</translation>
    </message>
    <message>
        <source>0.4（DIN 7190-1:2017）</source>
        <translation>0.4 (DIN 7190-1:2017)</translation>
    </message>
    <message>
        <source>0.8（旧版）</source>
        <translation>0.8 (earlier edition)</translation>
    </message>
    <message>
        <source>0.001 × 尺寸</source>
        <translation>0.001 × size</translation>
    </message>
    <message>
        <source>孔 Rz</source>
        <extracomment>孔 here is the hub&apos;s bore, as in the term 孔的 Rz (&quot;Bore Rz&quot;), not the fit&apos;s hole.</extracomment>
        <translation>Bore Rz</translation>
    </message>
    <message>
        <source>轴 Rz</source>
        <translation>Shaft Rz</translation>
    </message>
    <message>
        <source>无屈服点：抗拉强度 Rm</source>
        <translation>No yield point: tensile strength Rm</translation>
    </message>
    <message>
        <source>屈服强度 Re 或 Rp0.2</source>
        <translation>Yield strength Re or Rp0.2</translation>
    </message>
    <message>
        <source>假设</source>
        <translation>Assumptions</translation>
    </message>
    <message>
        <source>“配合分析”中的配合不能使用：</source>
        <translation>The fit in “Fit analysis” cannot be used: </translation>
    </message>
    <message>
        <source>配合 Ø%1 %2（取自“配合分析”）</source>
        <translation>Fit Ø%1 %2 (from “Fit analysis”)</translation>
    </message>
    <message>
        <source>装配方法(&amp;J)</source>
        <translation>&amp;Joining</translation>
    </message>
    <message>
        <source>保持摩擦系数 μ</source>
        <translation>Friction coefficient μ, holding</translation>
    </message>
    <message>
        <source>压入摩擦系数 μ</source>
        <translation>Friction coefficient μ, pressing in</translation>
    </message>
    <message>
        <source>载荷</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
    <message>
        <source>扭矩(&amp;T)</source>
        <translation>&amp;Torque</translation>
    </message>
    <message>
        <source>轴向力(&amp;F)</source>
        <translation>Axial &amp;force</translation>
    </message>
    <message>
        <source>结果（两种状态中较差的值）</source>
        <translation>Results (the worse of both states)</translation>
    </message>
    <message>
        <source>静止与工作两种状态</source>
        <translation>Standstill and service</translation>
    </message>
    <message>
        <source>空：DIN 7190-1</source>
        <translation>empty: DIN 7190-1</translation>
    </message>
    <message>
        <source>材料的</source>
        <translation>the material’s</translation>
    </message>
    <message>
        <source>未给出（各项取不利值）</source>
        <extracomment>The surfaces of a press fit; not given, each check takes the coefficient worse for it.</extracomment>
        <translation>not given (the worse for each check)</translation>
    </message>
    <message>
        <source>干燥</source>
        <translation>dry</translation>
    </message>
    <message>
        <source>涂油</source>
        <translation>oiled</translation>
    </message>
    <message>
        <source>压装时的表面</source>
        <translation>Surfaces when pressed</translation>
    </message>
</context>
<context>
    <name>ServiceTexts</name>
    <message>
        <source>—（需要轮毂外径）</source>
        <translation>— (needs the hub outside diameter)</translation>
    </message>
    <message>
        <source>—（需要轮毂外径和过盈）</source>
        <translation>— (needs the hub outside diameter and an interference)</translation>
    </message>
    <message>
        <source>—（需要轮毂外径和配合长度）</source>
        <translation>— (needs the hub outside diameter and the joint length)</translation>
    </message>
    <message>
        <source>—（无过盈）</source>
        <translation>— (no interference)</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>A result</translation>
    </message>
    <message>
        <source>输入</source>
        <extracomment>An input the refusal cannot name, starting its sentence (&quot;An input&quot;), not a heading (&quot;Inputs&quot;).</extracomment>
        <translation>An input</translation>
    </message>
    <message>
        <source>%1不是有限的数。</source>
        <translation>%1 is not a finite number.</translation>
    </message>
    <message>
        <source>%1须大于 0。</source>
        <translation>%1 must be more than 0.</translation>
    </message>
    <message>
        <source>%1不能为负。</source>
        <translation>%1 must not be negative.</translation>
    </message>
    <message>
        <source>%1低于下偏差。</source>
        <translation>%1 is below the lower deviation.</translation>
    </message>
    <message>
        <source>%1使最小极限尺寸不大于 0。</source>
        <translation>%1 takes the smallest limit of size to 0 or below.</translation>
    </message>
    <message>
        <source>%1须大于孔径（基本尺寸）。</source>
        <translation>%1 must be larger than the bore (the nominal size).</translation>
    </message>
    <message>
        <source>%1须小于轴径（基本尺寸）。</source>
        <translation>%1 must be smaller than the shaft (the nominal size).</translation>
    </message>
    <message>
        <source>%1须在 0 至 0.5 之间。</source>
        <translation>%1 must be between 0 and 0.5.</translation>
    </message>
    <message>
        <source>%1须在 0 至 1 之间。</source>
        <translation>%1 must be between 0 and 1.</translation>
    </message>
    <message>
        <source>%1须使零件在 -196 °C 时比在 -78 °C 时收缩更多。</source>
        <translation>%1 must make the part contract more at -196 °C than at -78 °C.</translation>
    </message>
    <message>
        <source>%1低于绝对零度。</source>
        <translation>%1 is below absolute zero.</translation>
    </message>
    <message>
        <source>输入太大，%1无法计算。</source>
        <translation>%1 cannot be calculated: the inputs are too large.</translation>
    </message>
    <message>
        <source>%1不能使用。</source>
        <translation>%1 cannot be used.</translation>
    </message>
    <message>
        <source>轮毂材料的弹性模量 E</source>
        <translation>Hub material&apos;s Young&apos;s modulus E</translation>
    </message>
    <message>
        <source>轮毂材料的泊松比 ν</source>
        <translation>Hub material&apos;s Poisson&apos;s ratio ν</translation>
    </message>
    <message>
        <source>轮毂材料的线膨胀系数 α</source>
        <translation>Hub material&apos;s expansion coefficient α</translation>
    </message>
    <message>
        <source>轮毂材料的屈服强度</source>
        <translation>Hub material&apos;s yield strength</translation>
    </message>
    <message>
        <source>轴材料的弹性模量 E</source>
        <translation>Shaft material&apos;s Young&apos;s modulus E</translation>
    </message>
    <message>
        <source>轴材料的泊松比 ν</source>
        <translation>Shaft material&apos;s Poisson&apos;s ratio ν</translation>
    </message>
    <message>
        <source>轴材料的线膨胀系数 α</source>
        <translation>Shaft material&apos;s expansion coefficient α</translation>
    </message>
    <message>
        <source>轴材料的屈服强度</source>
        <translation>Shaft material&apos;s yield strength</translation>
    </message>
    <message>
        <source>请输入%1。</source>
        <translation>%1 is missing: enter a value.</translation>
    </message>
    <message>
        <source>%1应是一个数，如 40 或 0.15。</source>
        <translation>%1 is a number, such as 40 or 0.15.</translation>
    </message>
    <message>
        <source>尺寸为 20 °C 时的尺寸；过盈按直径计（轴减孔），正值为过盈。</source>
        <translation>Sizes are at 20 °C; interference is diametral (shaft minus hole), positive for an interference.</translation>
    </message>
    <message>
        <source>配合性质：20 °C 时为%1，工作温度下为%2——工作时配合性质改变。</source>
        <translation>Fit type at 20 °C: %1; at the service temperatures: %2. The fit type changes in service.</translation>
    </message>
    <message>
        <source>配合性质：20 °C 时为%1，工作温度下为%2。</source>
        <translation>Fit type at 20 °C: %1; at the service temperatures: %2.</translation>
    </message>
    <message>
        <source>装配间隙 %1 µm；平面应力、等长轮毂与轴、均匀压力（Lamé）。</source>
        <translation>Joining clearance %1 µm; plane stress, hub and shaft of equal length, uniform pressure (Lamé).</translation>
    </message>
    <message>
        <source>尺寸服从正态分布，居于公差带中部，公差带为 ±%1 σ。</source>
        <translation>Sizes are normally distributed, centred in their zones, each zone ±%1 σ.</translation>
    </message>
    <message>
        <source>灰铸铁没有屈服点：以抗拉强度代替屈服强度。</source>
        <translation>Grey cast iron has no yield point: its tensile strength stands in for the yield strength.</translation>
    </message>
    <message>
        <source>—（仅空心轴）</source>
        <translation>— (hollow shafts only)</translation>
    </message>
    <message>
        <source>—（需要轮毂外径、配合长度和载荷）</source>
        <translation>— (needs the hub outside diameter, the joint length and a load)</translation>
    </message>
    <message>
        <source>%1；摩擦系数 %2（保持）、%3（压入）；压平系数 %4 ×（孔 Rz + 轴 Rz）。</source>
        <translation>%1; friction coefficient %2 holding, %3 pressing in; smoothing factor %4 × (bore Rz + shaft Rz).</translation>
    </message>
    <message>
        <source>要求的防滑安全系数 %1，屈服安全系数 %2；结果取两种状态中较差的值。</source>
        <translation>Required slip safety %1, yield safety %2; results are the worse of both states.</translation>
    </message>
    <message>
        <source>DIN 7190-1 没有这对材料的摩擦系数：取其表中最低值，偏于安全。</source>
        <translation>DIN 7190-1 gives no friction coefficient for this pair of materials: its lowest stands in, on the safe side.</translation>
    </message>
    <message>
        <source>%1轮毂可能开裂：对抗拉强度的安全系数 %2，低于要求的 %3。</source>
        <translation>The hub may crack %1: its safety against the tensile strength is %2, below the required %3.</translation>
    </message>
    <message>
        <source>%1轮毂会屈服：屈服安全系数 %2，低于要求的 %3。</source>
        <translation>The hub yields %1: its yield safety is %2, below the required %3.</translation>
    </message>
    <message>
        <source>%1轴可能开裂：对抗拉强度的安全系数 %2，低于要求的 %3。</source>
        <translation>The shaft may crack %1: its safety against the tensile strength is %2, below the required %3.</translation>
    </message>
    <message>
        <source>%1轴会屈服：屈服安全系数 %2，低于要求的 %3。</source>
        <translation>The shaft yields %1: its yield safety is %2, below the required %3.</translation>
    </message>
    <message>
        <source>有效过盈须不大于 %1 µm。</source>
        <translation> The effective interference must be at most %1 µm.</translation>
    </message>
    <message>
        <source>%1可能没有过盈：最小有效过盈 %2 µm，零件间可能有间隙而无接触压力。</source>
        <translation>Possibly no press fit %1: the least effective interference is %2 µm, so the parts may have clearance and no contact pressure.</translation>
    </message>
    <message>
        <source>工作时配合性质改变：静止时为%1，工作时为%2。</source>
        <translation>The fit type changes in service. At standstill: %1; in service: %2.</translation>
    </message>
    <message>
        <source>%1连接可能打滑：防滑安全系数 %2，低于要求的 %3。</source>
        <translation>The joint may slip %1: its slip safety is %2, below the required %3.</translation>
    </message>
    <message>
        <source>未给出表面粗糙度（孔与轴的 Rz 均为 0）：没有扣除压平量，压力和扭矩偏高。</source>
        <translation>No roughness given (Rz of bore and shaft both 0): nothing is deducted for smoothing, so pressure and torque come out high.</translation>
    </message>
    <message>
        <source>仅加热轮毂需 %1 °C，高于其材料允许的装配温度 %2 °C。</source>
        <translation>Heating the hub alone needs %1 °C, above the %2 °C its material may be heated to for joining.</translation>
    </message>
    <message>
        <source>仅冷却轴，即使冷却到绝对零度也不够（液氮为 %1 °C）。</source>
        <translation>Cooling the shaft alone would not do even at absolute zero (liquid nitrogen: %1 °C).</translation>
    </message>
    <message>
        <source>仅冷却轴需 %1 °C，低于液氮的 %2 °C。</source>
        <translation>Cooling the shaft alone needs %1 °C, below liquid nitrogen&apos;s %2 °C.</translation>
    </message>
    <message>
        <source>无法靠温度装配：轮毂加热至极限并用液氮冷却轴，也只张开 %1 µm，不足所需的 %2 µm；请压装或选较松的配合。</source>
        <translation>Cannot be joined by temperature: the hub heated to its limit and the shaft cooled in liquid nitrogen together open only %1 µm of the %2 µm needed; press the parts, or choose a looser fit.</translation>
    </message>
    <message>
        <source>轮毂屈服</source>
        <translation>hub yields</translation>
    </message>
    <message>
        <source>轴屈服</source>
        <translation>shaft yields</translation>
    </message>
    <message>
        <source>可能无过盈</source>
        <translation>maybe no press fit</translation>
    </message>
    <message>
        <source>工作时变松</source>
        <translation>loosens in service</translation>
    </message>
    <message>
        <source>打滑</source>
        <translation>slips</translation>
    </message>
    <message>
        <source>未给 Rz</source>
        <translation>no Rz</translation>
    </message>
    <message>
        <source>加热温度过高</source>
        <translation>hub too hot to heat</translation>
    </message>
    <message>
        <source>冷却不到</source>
        <translation>shaft too cold to cool</translation>
    </message>
    <message>
        <source>无法热装冷装</source>
        <translation>no shrink fit</translation>
    </message>
    <message>
        <source>静止
轮毂 %1 °C，轴 %2 °C</source>
        <translation>Standstill
hub %1 °C, shaft %2 °C</translation>
    </message>
    <message>
        <source>工作
轮毂 %1 °C，轴 %2 °C</source>
        <translation>Service
hub %1 °C, shaft %2 °C</translation>
    </message>
    <message>
        <source>请输入%1：材料标准没有给出这一截面尺寸的最低强度。</source>
        <translation>Enter %1: the material standard gives no minimum strength for a section of this size.</translation>
    </message>
    <message>
        <source>轮毂可能开裂</source>
        <translation>Hub may crack</translation>
    </message>
</context>
<context>
    <name>Terms</name>
    <message>
        <source>基本尺寸</source>
        <translation>Nominal size</translation>
    </message>
    <message>
        <source>轮毂外径</source>
        <translation>Hub outside diameter</translation>
    </message>
    <message>
        <source>轴内孔直径</source>
        <translation>Shaft bore diameter</translation>
    </message>
    <message>
        <source>配合长度</source>
        <translation>Joint length</translation>
    </message>
    <message>
        <source>保持摩擦系数</source>
        <translation>Friction coefficient, holding</translation>
    </message>
    <message>
        <source>压入摩擦系数</source>
        <translation>Friction coefficient, pressing in</translation>
    </message>
    <message>
        <source>扭矩</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>轴向力</source>
        <translation>Axial force</translation>
    </message>
    <message>
        <source>要求的防滑安全系数</source>
        <translation>Required slip safety</translation>
    </message>
    <message>
        <source>要求的屈服安全系数</source>
        <translation>Required yield safety</translation>
    </message>
    <message>
        <source>最小有效过盈</source>
        <translation>Effective interference, least</translation>
    </message>
    <message>
        <source>最大有效过盈</source>
        <translation>Effective interference, most</translation>
    </message>
    <message>
        <source>轮毂允许的最大有效过盈</source>
        <translation>Largest effective interference for the hub</translation>
    </message>
    <message>
        <source>空心轴允许的最大有效过盈</source>
        <translation>Largest effective interference for the hollow shaft</translation>
    </message>
    <message>
        <source>防滑安全系数</source>
        <translation>Slip safety</translation>
    </message>
    <message>
        <source>孔的 Rz</source>
        <translation>Bore Rz</translation>
    </message>
    <message>
        <source>轴的 Rz</source>
        <translation>Shaft Rz</translation>
    </message>
    <message>
        <source>压平系数</source>
        <translation>Smoothing factor</translation>
    </message>
    <message>
        <source>装配间隙</source>
        <translation>Joining clearance</translation>
    </message>
    <message>
        <source>公差带 σ 数</source>
        <translation>σ per half zone</translation>
    </message>
    <message>
        <source>最小过盈（20 °C）</source>
        <translation>Smallest interference (20 °C)</translation>
    </message>
    <message>
        <source>最大过盈（20 °C）</source>
        <translation>Largest interference (20 °C)</translation>
    </message>
    <message>
        <source>压平量</source>
        <translation>Smoothing loss</translation>
    </message>
    <message>
        <source>工作时最小有效过盈</source>
        <translation>Smallest effective interference in service</translation>
    </message>
    <message>
        <source>工作时最大有效过盈</source>
        <translation>Largest effective interference in service</translation>
    </message>
    <message>
        <source>最小接触压力</source>
        <translation>Smallest contact pressure</translation>
    </message>
    <message>
        <source>最大接触压力</source>
        <translation>Largest contact pressure</translation>
    </message>
    <message>
        <source>轮毂孔壁最大切向应力</source>
        <translation>Hub bore, largest tangential stress</translation>
    </message>
    <message>
        <source>轮毂孔壁最大径向应力</source>
        <translation>Hub bore, largest radial stress</translation>
    </message>
    <message>
        <source>轮毂孔壁最大等效应力</source>
        <translation>Hub bore, largest von Mises stress</translation>
    </message>
    <message>
        <source>轮毂外壁最大切向应力</source>
        <translation>Hub outside, largest tangential stress</translation>
    </message>
    <message>
        <source>轴最大等效应力</source>
        <translation>Shaft, largest von Mises stress</translation>
    </message>
    <message>
        <source>轮毂屈服安全系数</source>
        <translation>Hub safety against yield</translation>
    </message>
    <message>
        <source>轴屈服安全系数</source>
        <translation>Shaft safety against yield</translation>
    </message>
    <message>
        <source>最小可传递扭矩</source>
        <translation>Smallest transmissible torque</translation>
    </message>
    <message>
        <source>最小可传递轴向力</source>
        <translation>Smallest transmissible axial force</translation>
    </message>
    <message>
        <source>最大压入力</source>
        <translation>Largest press-in force</translation>
    </message>
    <message>
        <source>轮毂加热装配温度（轴 20 °C）</source>
        <translation>Hub assembly temperature (shaft at 20 °C)</translation>
    </message>
    <message>
        <source>轴冷却装配温度（轮毂 20 °C）</source>
        <translation>Shaft assembly temperature (hub at 20 °C)</translation>
    </message>
    <message>
        <source>过盈概率</source>
        <translation>Probability of interference</translation>
    </message>
    <message>
        <source>间隙概率</source>
        <translation>Probability of clearance</translation>
    </message>
    <message>
        <source>孔的上偏差</source>
        <translation>Hole&apos;s upper deviation</translation>
    </message>
    <message>
        <source>孔的下偏差</source>
        <translation>Hole&apos;s lower deviation</translation>
    </message>
    <message>
        <source>轴的上偏差</source>
        <translation>Shaft&apos;s upper deviation</translation>
    </message>
    <message>
        <source>轴的下偏差</source>
        <translation>Shaft&apos;s lower deviation</translation>
    </message>
    <message>
        <source>间隙配合</source>
        <translation>Clearance fit</translation>
    </message>
    <message>
        <source>过渡配合</source>
        <translation>Transition fit</translation>
    </message>
    <message>
        <source>过盈配合</source>
        <translation>Interference fit</translation>
    </message>
    <message>
        <source>静止时</source>
        <translation>at standstill</translation>
    </message>
    <message>
        <source>工作时</source>
        <translation>in service</translation>
    </message>
    <message>
        <source>静止和工作时</source>
        <translation>at standstill and in service</translation>
    </message>
    <message>
        <source>压装</source>
        <translation>Press fit</translation>
    </message>
    <message>
        <source>热装或冷装</source>
        <translation>Shrink fit</translation>
    </message>
    <message>
        <source>轮毂温度</source>
        <translation>Hub temperature</translation>
    </message>
    <message>
        <source>轴温度</source>
        <translation>Shaft temperature</translation>
    </message>
    <message>
        <source>轮毂最高装配温度</source>
        <translation>Hub’s highest joining temperature</translation>
    </message>
    <message>
        <source>要求的断裂安全系数</source>
        <translation>Required safety against fracture</translation>
    </message>
    <message>
        <source>所用轮毂强度</source>
        <translation>Hub strength used</translation>
    </message>
    <message>
        <source>轮毂强度对应的截面尺寸</source>
        <translation>Hub section the strength is for</translation>
    </message>
    <message>
        <source>所用轴强度</source>
        <translation>Shaft strength used</translation>
    </message>
    <message>
        <source>轴强度对应的截面尺寸</source>
        <translation>Shaft section the strength is for</translation>
    </message>
    <message>
        <source>概率最大间隙</source>
        <translation>Probable largest clearance</translation>
    </message>
    <message>
        <source>概率最小间隙</source>
        <translation>Probable smallest clearance</translation>
    </message>
    <message>
        <source>概率最大过盈</source>
        <translation>Probable largest interference</translation>
    </message>
    <message>
        <source>概率最小过盈</source>
        <translation>Probable smallest interference</translation>
    </message>
    <message>
        <source>线性尺寸的极限偏差</source>
        <translation>Linear sizes</translation>
    </message>
    <message>
        <source>倒圆半径与倒角高度的极限偏差</source>
        <translation>External radii and chamfer heights</translation>
    </message>
    <message>
        <source>角度的极限偏差（按短边长度）</source>
        <translation>Angles, by the shorter side</translation>
    </message>
    <message>
        <source>直线度和平面度</source>
        <translation>Straightness and flatness</translation>
    </message>
    <message>
        <source>垂直度（按短边长度）</source>
        <translation>Perpendicularity (by the shorter side)</translation>
    </message>
    <message>
        <source>对称度</source>
        <translation>Symmetry</translation>
    </message>
    <message>
        <source>圆跳动</source>
        <translation>Circular run-out</translation>
    </message>
    <message>
        <source>轴承内圈</source>
        <translation>Bearing inner ring</translation>
    </message>
    <message>
        <source>轴承外圈</source>
        <translation>Bearing outer ring</translation>
    </message>
    <message>
        <source>普通级</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>6 级</source>
        <translation>class 6</translation>
    </message>
    <message>
        <source>5 级</source>
        <translation>class 5</translation>
    </message>
    <message>
        <source>正态</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>均匀</source>
        <translation>Uniform</translation>
    </message>
    <message>
        <source>三角</source>
        <translation>Triangular</translation>
    </message>
</context>
<context>
    <name>ThreadPage</name>
    <message>
        <source>输入</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>如 M10x1.25-6H/6g</source>
        <translation>e.g. M10x1.25-6H/6g</translation>
    </message>
    <message>
        <source>螺纹标记(&amp;T)</source>
        <translation>&amp;Thread</translation>
    </message>
    <message>
        <source>公称直径(&amp;N)</source>
        <translation>&amp;Nominal diameter</translation>
    </message>
    <message>
        <source>螺距 mm(&amp;P)</source>
        <translation>&amp;Pitch mm</translation>
    </message>
    <message>
        <source>内螺纹公差带在前，如 M10-6H/6g；细牙写出螺距，如 M10x1.25。列表中为 ISO 261 的尺寸与 ISO 965-1 的推荐公差带，其他公差带可直接输入。</source>
        <translation>The nut&apos;s class first, as in M10-6H/6g; a fine pitch written out, as in M10x1.25. The lists hold ISO 261&apos;s sizes and ISO 965-1&apos;s recommended classes; any other class can be typed.</translation>
    </message>
    <message>
        <source>螺纹基本尺寸</source>
        <translation>Basic diameters</translation>
    </message>
    <message>
        <source>中径配合</source>
        <translation>Fit at the pitch diameter</translation>
    </message>
    <message>
        <source>推荐公差带（ISO 965-1、GB/T 197）</source>
        <translation>Recommended classes (ISO 965-1, GB/T 197)</translation>
    </message>
    <message>
        <source>中径公差带图</source>
        <translation>Tolerance zones at the pitch diameter</translation>
    </message>
    <message>
        <source>标记中没有公差带代号。</source>
        <translation>The designation gives no tolerance class.</translation>
    </message>
    <message>
        <source>公差带代号</source>
        <translation>Tolerance classes</translation>
    </message>
    <message>
        <source>内螺纹(&amp;I)</source>
        <translation>Nut (&amp;internal thread)</translation>
    </message>
    <message>
        <source>外螺纹(&amp;E)</source>
        <translation>Bolt (&amp;external thread)</translation>
    </message>
</context>
<context>
    <name>ThreadTexts</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>粗牙</source>
        <translation>coarse</translation>
    </message>
    <message>
        <source>细牙</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>ISO 261 未列出的直径</source>
        <translation>a diameter ISO 261 does not list</translation>
    </message>
    <message>
        <source>内螺纹</source>
        <translation>Nut (internal thread)</translation>
    </message>
    <message>
        <source>外螺纹</source>
        <translation>Bolt (external thread)</translation>
    </message>
    <message>
        <source>内螺纹小径公差 TD1 只有 4 至 8 级</source>
        <translation>the nut&apos;s minor-diameter tolerance TD1 has grades 4 to 8</translation>
    </message>
    <message>
        <source>内螺纹中径公差 TD2 只有 4 至 8 级</source>
        <translation>the nut&apos;s pitch-diameter tolerance TD2 has grades 4 to 8</translation>
    </message>
    <message>
        <source>外螺纹大径公差 Td 只有 4、6、8 级</source>
        <translation>the bolt&apos;s major-diameter tolerance Td has grades 4, 6 and 8</translation>
    </message>
    <message>
        <source>外螺纹中径公差 Td2 只有 3 至 9 级</source>
        <translation>the bolt&apos;s pitch-diameter tolerance Td2 has grades 3 to 9</translation>
    </message>
    <message>
        <source>公称直径“%1”应是不超过三位小数的毫米数。</source>
        <translation>The nominal diameter “%1” is not a plain number of millimetres with at most three decimals.</translation>
    </message>
    <message>
        <source>公称直径 %1 mm 超出 ISO 261 的 1 至 300 mm。</source>
        <translation>The nominal diameter %1 mm is outside ISO 261&apos;s 1 to 300 mm.</translation>
    </message>
    <message>
        <source>ISO 261 没有给 M%1 规定粗牙螺距：请写出它的细牙螺距之一，%2。</source>
        <translation>ISO 261 gives M%1 no coarse pitch: write one of its fine pitches, %2.</translation>
    </message>
    <message>
        <source>ISO 261 未列出公称直径 %1 mm，它没有粗牙螺距：请写出螺距，如 M%1x1.5。</source>
        <translation>ISO 261 does not list the diameter %1 mm, so it has no coarse pitch: write the pitch, such as M%1x1.5.</translation>
    </message>
    <message>
        <source>螺距“%1”应是不超过三位小数的毫米数。</source>
        <translation>The pitch “%1” is not a plain number of millimetres with at most three decimals.</translation>
    </message>
    <message>
        <source>ISO 261 给 M%1 规定的螺距为 %2，没有 %3 mm。</source>
        <translation>ISO 261 gives M%1 the pitches %2, not %3 mm.</translation>
    </message>
    <message>
        <source>螺距 %1 mm 不是 ISO 261 的螺距（0.2 至 8 mm）。</source>
        <translation>The pitch %1 mm is none of ISO 261&apos;s (0.2 to 8 mm).</translation>
    </message>
    <message>
        <source>“%1”不是公差带代号：应写作公差等级加基本偏差字母，如 6g、6H，或中径与顶径的公差带连写，如 4h6h。</source>
        <translation>“%1” is not a tolerance class: a grade and a position letter, such as 6g or 6H, or the pitch diameter&apos;s and the crest&apos;s, such as 4h6h.</translation>
    </message>
    <message>
        <source>“%1”的基本偏差不在 ISO 965-1 之列：外螺纹为 e、f、g、h，内螺纹为 G、H。</source>
        <translation>“%1” has no tolerance position of ISO 965-1: bolts e, f, g, h; nuts G, H.</translation>
    </message>
    <message>
        <source>“%1”含两个基本偏差：一个公差带的两个等级共用一个字母，如 5g6g。</source>
        <translation>“%1” mixes two positions: both grades of a class share one letter, as in 5g6g.</translation>
    </message>
    <message>
        <source>“%1”应写作内螺纹公差带、斜线、外螺纹公差带，如 6H/6g。</source>
        <translation>“%1” is not a nut&apos;s class, a slash and a bolt&apos;s class, such as 6H/6g.</translation>
    </message>
    <message>
        <source>“%1”：%2，没有 %3 级。</source>
        <translation>“%1”: %2, not %3.</translation>
    </message>
    <message>
        <source>“%1”把外螺纹公差带写在前面：配合写作内螺纹/外螺纹，如 6H/6g。</source>
        <translation>“%1” puts the bolt&apos;s class first: a fit is written nut/bolt, such as 6H/6g.</translation>
    </message>
    <message>
        <source>“%1”不是螺纹标记：应写作 M、公称直径（mm），需要时加 x 和螺距，再加 - 和公差带代号，如 M10x1.25-6H/6g。</source>
        <translation>“%1” is not a thread designation: M, the nominal diameter in mm, where needed x and the pitch, then - and the classes, such as M10x1.25-6H/6g.</translation>
    </message>
    <message>
        <source>%1 的%2 %3：</source>
        <translation>%2 %3 of %1: </translation>
    </message>
    <message>
        <source>ISO 965-1 没有给出螺距 %1 mm 时基本偏差 %2 的值（e 自螺距 0.5 mm 起，f 自 0.35 mm 起）。</source>
        <translation>ISO 965-1 gives position %2 no fundamental deviation at a pitch of %1 mm (e from 0.5 mm, f from 0.35 mm).</translation>
    </message>
    <message>
        <source>ISO 965-1 没有给出直径 %1 mm、螺距 %2 mm 时 %3 级的中径公差。</source>
        <translation>ISO 965-1 gives no pitch-diameter tolerance of grade %3 at %1 mm and a pitch of %2 mm.</translation>
    </message>
    <message>
        <source>ISO 965-1 没有给出螺距 %1 mm 时 %2 级的小径公差。</source>
        <translation>ISO 965-1 gives no minor-diameter tolerance of grade %2 at a pitch of %1 mm.</translation>
    </message>
    <message>
        <source>ISO 965-1 没有给出螺距 %1 mm 时 %2 级的大径公差。</source>
        <translation>ISO 965-1 gives no major-diameter tolerance of grade %2 at a pitch of %1 mm.</translation>
    </message>
    <message>
        <source>ISO 965-1 的公差表没有直径 %1 mm、螺距 %2 mm 的公差。</source>
        <translation>ISO 965-1&apos;s tables give no tolerances for a pitch of %2 mm at %1 mm.</translation>
    </message>
    <message>
        <source>精密</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>中等</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>粗糙</source>
        <translation>coarse</translation>
    </message>
    <message>
        <source>短旋合长度 S</source>
        <translation>short length of engagement (S)</translation>
    </message>
    <message>
        <source>中等旋合长度 N</source>
        <translation>normal length of engagement (N)</translation>
    </message>
    <message>
        <source>长旋合长度 L</source>
        <translation>long length of engagement (L)</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1精度，%2（尽可能不用）</source>
        <translation>%1 quality, %2 (third choice)</translation>
    </message>
    <message>
        <source>%1精度，%2</source>
        <translation>%1 quality, %2</translation>
    </message>
    <message>
        <source>非推荐公差带</source>
        <translation>not among the recommended classes</translation>
    </message>
    <message>
        <source>%1 %2：%3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>基本偏差 EI = %1 µm</source>
        <translation>Fundamental deviation EI = %1 µm</translation>
    </message>
    <message>
        <source>大径 D</source>
        <translation>Major diameter D</translation>
    </message>
    <message>
        <source>中径 D2</source>
        <translation>Pitch diameter D2</translation>
    </message>
    <message>
        <source>小径 D1</source>
        <translation>Minor diameter D1</translation>
    </message>
    <message>
        <source>基本偏差 es = %1 µm</source>
        <translation>Fundamental deviation es = %1 µm</translation>
    </message>
    <message>
        <source>大径 d</source>
        <translation>Major diameter d</translation>
    </message>
    <message>
        <source>中径 d2</source>
        <translation>Pitch diameter d2</translation>
    </message>
    <message>
        <source>牙底直径 d3</source>
        <translation>Root diameter d3</translation>
    </message>
    <message>
        <source>%1（粗牙）</source>
        <translation>%1 (coarse)</translation>
    </message>
    <message>
        <source>最大 mm</source>
        <translation>Largest mm</translation>
    </message>
    <message>
        <source>最小 mm</source>
        <translation>Smallest mm</translation>
    </message>
    <message>
        <source>公差 µm</source>
        <translation>Tolerance µm</translation>
    </message>
    <message>
        <source>螺距 %1 mm，%2</source>
        <translation>pitch %1 mm, %2</translation>
    </message>
    <message>
        <source>大径 d = D</source>
        <translation>Major diameter d = D</translation>
    </message>
    <message>
        <source>中径 d2 = D2</source>
        <translation>Pitch diameter d2 = D2</translation>
    </message>
    <message>
        <source>小径 d1 = D1</source>
        <translation>Minor diameter d1 = D1</translation>
    </message>
    <message>
        <source>最小间隙 Xmin</source>
        <translation>Smallest clearance Xmin</translation>
    </message>
    <message>
        <source>最大间隙 Xmax</source>
        <translation>Largest clearance Xmax</translation>
    </message>
    <message>
        <source>请输入螺纹标记，如 M10-6H/6g（内螺纹公差带在前）。</source>
        <translation>Type a thread designation, such as M10-6H/6g (the nut&apos;s class first).</translation>
    </message>
</context>
<context>
    <name>Workbench</name>
    <message>
        <source>工作台 - Quorlan</source>
        <translation>Workbench - Quorlan</translation>
    </message>
    <message>
        <source>基本尺寸(&amp;S)</source>
        <translation>Nominal &amp;size</translation>
    </message>
    <message>
        <source>mm（不大于 3150 mm，配合与轴承各页用）</source>
        <translation>mm (up to 3150 mm, for the fit and bearing tabs)</translation>
    </message>
    <message>
        <source>配合分析</source>
        <translation>Fit analysis</translation>
    </message>
    <message>
        <source>配合查找</source>
        <translation>Fit finder</translation>
    </message>
    <message>
        <source>使用条件</source>
        <translation>Service conditions</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>导出报告为 PDF(&amp;E)...</source>
        <translation>&amp;Export report as PDF...</translation>
    </message>
    <message>
        <source>保存配合图(&amp;V)...</source>
        <translation>Sa&amp;ve diagram...</translation>
    </message>
    <message>
        <source>恢复默认输入(&amp;D)</source>
        <translation>Restore &amp;default inputs</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>复制结果(&amp;R)</source>
        <translation>Copy &amp;results</translation>
    </message>
    <message>
        <source>复制图样标注(&amp;L)</source>
        <translation>Copy drawing &amp;line</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>语言(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>使用说明(&amp;G)</source>
        <translation>User &amp;guide</translation>
    </message>
    <message>
        <source>关于 Quorlan(&amp;A)</source>
        <translation>&amp;About Quorlan</translation>
    </message>
    <message>
        <source>已复制到剪贴板：</source>
        <translation>Copied to the clipboard: </translation>
    </message>
    <message>
        <source>SVG 矢量图 (*.svg)</source>
        <translation>SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>保存配合图</source>
        <translation>Save diagram</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>无法保存 %1：%2</source>
        <translation>Cannot save %1: %2</translation>
    </message>
    <message>
        <source>使用说明 - Quorlan</source>
        <translation>User guide - Quorlan</translation>
    </message>
    <message>
        <source>:/quorlan/guide/guide_zh.html</source>
        <translation>:/quorlan/guide/guide_en.html</translation>
    </message>
    <message>
        <source>关于 Quorlan</source>
        <translation>About Quorlan</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Quorlan %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;ISO 286 公差与配合计算器：极限偏差、配合分析、配合查找与过盈连接。&lt;/p&gt;&lt;p&gt;版权所有 (C) 2026 Quorlan 开发者，MIT 许可证。&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Quorlan %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;ISO 286 limits and fits calculator: limit deviations, fit analysis, fit finder and press fits.&lt;/p&gt;&lt;p&gt;Copyright (c) 2026 The Quorlan developers, MIT licence.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>打印报告(&amp;P)...</source>
        <translation>&amp;Print report...</translation>
    </message>
    <message>
        <source>导出表格为 CSV(&amp;T)...</source>
        <translation>Export &amp;table as CSV...</translation>
    </message>
    <message>
        <source>没有可写入报告的配合：</source>
        <translation>No fit to put in a report: </translation>
    </message>
    <message>
        <source>没有可打印的配合：</source>
        <translation>No fit to print: </translation>
    </message>
    <message>
        <source>轴承配合</source>
        <translation>Bearing seat</translation>
    </message>
    <message>
        <source>一般公差</source>
        <translation>General tolerances</translation>
    </message>
    <message>
        <source>螺纹</source>
        <translation>Threads</translation>
    </message>
    <message>
        <source>尺寸链</source>
        <translation>Dimension chain</translation>
    </message>
</context>
</TS>
