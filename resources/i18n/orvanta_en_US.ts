<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>DocumentAnalyzer</name>
    <message>
        <source>A4 横向</source>
        <translation>A4 Landscape</translation>
    </message>
    <message>
        <source> 横向</source>
        <translation> Landscape</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>文件识别页数，不可手动修改</source>
        <translation>Page count detected from the file; cannot be edited by hand</translation>
    </message>
    <message>
        <source>未能识别文件页数</source>
        <translation>Page count could not be detected</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>未能读取文档纸张尺寸</source>
        <translation>Could not read the document&apos;s paper size</translation>
    </message>
    <message>
        <source>文档纸张尺寸：%1</source>
        <translation>Document paper size: %1</translation>
    </message>
    <message>
        <source>旧版 DOC 识别受限</source>
        <translation>Limited Legacy DOC Support</translation>
    </message>
    <message>
        <source>未安装 LibreOffice，且该 DOC 文件没有可用的内置页数。
PDF 和 DOCX 仍可正常使用；如需识别此类旧版 DOC，请安装 LibreOffice。</source>
        <translation>LibreOffice is not installed, and this DOC file has no built-in page count.
PDF and DOCX files still work normally; to analyze legacy DOC files like this one, please install LibreOffice.</translation>
    </message>
    <message>
        <source>文档页数识别完成</source>
        <translation>Page count detection complete</translation>
    </message>
    <message>
        <source>Orvanta v%1 - 文档打印核价</source>
        <translation>Orvanta v%1 - Document Print Pricing</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Switch Language</translation>
    </message>
    <message>
        <source>语言设置已保存，重启软件后生效。是否现在重启？</source>
        <translation>The language setting has been saved and takes effect after a restart. Restart now?</translation>
    </message>
    <message>
        <source>新语言将在下次启动时生效</source>
        <translation>The new language takes effect at the next start</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>Price profile</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的颜色</source>
        <translation>Set the color of all files in the list</translation>
    </message>
    <message>
        <source>装订</source>
        <translation>Binding</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的装订方式</source>
        <translation>Set the binding of all files in the list</translation>
    </message>
    <message>
        <source>单双面</source>
        <translation>Sides</translation>
    </message>
    <message>
        <source>单面</source>
        <translation>Single-sided</translation>
    </message>
    <message>
        <source>双面</source>
        <translation>Double-sided</translation>
    </message>
    <message>
        <source>双面打印时使用当前价格角色的双面价格系数</source>
        <translation>Double-sided printing uses the duplex price multiplier of the current price profile</translation>
    </message>
    <message>
        <source>份数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>设置所有文件的打印份数</source>
        <translation>Set the number of copies for all files</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>Price Settings</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>文件名称  ▼</source>
        <translation>File name  ▼</translation>
    </message>
    <message>
        <source>页数  ▼</source>
        <translation>Pages  ▼</translation>
    </message>
    <message>
        <source>尺寸  ▼</source>
        <translation>Size  ▼</translation>
    </message>
    <message>
        <source>单价/页</source>
        <translation>Price/page</translation>
    </message>
    <message>
        <source>装订方式</source>
        <translation>Binding</translation>
    </message>
    <message>
        <source>小计</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>合计：</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>0 个</source>
        <translation>0 files</translation>
    </message>
    <message>
        <source>0 页</source>
        <translation>0 pages</translation>
    </message>
    <message>
        <source>导出报价单 ▾</source>
        <translation>Export Quote ▾</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>Export PDF Quote</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Export Excel Details</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>装订费：%1/份</source>
        <translation>Binding fee: %1 per copy</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n file</numerusform>
            <numerusform>%n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>商品：%1
起步费：%2
折扣：%3
税前：%4
税额（%5%）：%6</source>
        <translation>Items: %1
Setup fee: %2
Discounts: %3
Subtotal before tax: %4
Tax (%5%): %6</translation>
    </message>
    <message>
        <source>没有找到支持的 PDF、Word、WPS 或图片文件</source>
        <translation>No supported PDF, Word, WPS or image files found</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>Import Complete</translation>
    </message>
    <message>
        <source>导入了 0 个文件，%1 个不支持的文件未导入</source>
        <translation>No files imported; unsupported files skipped: %1</translation>
    </message>
    <message>
        <source>所选文档已在清单中</source>
        <translation>The selected documents are already in the list</translation>
    </message>
    <message>
        <source>导入了 %1 个文件，%2 个不支持的文件未导入</source>
        <translation>Files imported: %1; unsupported files skipped: %2</translation>
    </message>
    <message>
        <source>正在后台识别页数，识别结果不可手动修改</source>
        <translation>Detecting the page count in the background; the result cannot be edited by hand</translation>
    </message>
    <message>
        <source>正在识别文档纸张尺寸</source>
        <translation>Detecting the document&apos;s paper size</translation>
    </message>
    <message>
        <source>双击可修改份数</source>
        <translation>Double-click to change the copies</translation>
    </message>
    <message>
        <source>双击可修改单价</source>
        <translation>Double-click to change the unit price</translation>
    </message>
    <message>
        <source>单击可修改颜色</source>
        <translation>Click to change the color</translation>
    </message>
    <message>
        <source>清单已清空</source>
        <translation>The list has been cleared</translation>
    </message>
    <message>
        <source>名称：A → Z</source>
        <translation>Name: A → Z</translation>
    </message>
    <message>
        <source>名称：Z → A</source>
        <translation>Name: Z → A</translation>
    </message>
    <message>
        <source>文件格式：A → Z</source>
        <translation>File type: A → Z</translation>
    </message>
    <message>
        <source>文件格式：Z → A</source>
        <translation>File type: Z → A</translation>
    </message>
    <message>
        <source>创建时间：新 → 旧</source>
        <translation>Created: newest → oldest</translation>
    </message>
    <message>
        <source>创建时间：旧 → 新</source>
        <translation>Created: oldest → newest</translation>
    </message>
    <message>
        <source>文件大小：大 → 小</source>
        <translation>File size: largest → smallest</translation>
    </message>
    <message>
        <source>文件大小：小 → 大</source>
        <translation>File size: smallest → largest</translation>
    </message>
    <message>
        <source>页数：升序</source>
        <translation>Pages: ascending</translation>
    </message>
    <message>
        <source>页数：降序</source>
        <translation>Pages: descending</translation>
    </message>
    <message>
        <source>尺寸：升序（小 → 大）</source>
        <translation>Size: ascending (small → large)</translation>
    </message>
    <message>
        <source>尺寸：降序（大 → 小）</source>
        <translation>Size: descending (large → small)</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>General</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>Inkjet Color</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>Laser Color</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Black &amp; White</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>Corner staple</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>Double staple</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>Saddle stitch</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>Perfect binding</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>Comb binding</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>Wire-O binding</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>Coil binding</translation>
    </message>
    <message>
        <source>无装订</source>
        <translation>No binding</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>Database Error</translation>
    </message>
    <message>
        <source>数据库升级失败</source>
        <translation>Database Upgrade Failed</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Save Failed</translation>
    </message>
    <message>
        <source>价格设置读取失败，本次运行不会保存价格设置。
%1</source>
        <translation>The price settings could not be read; they will not be saved during this session.
%1</translation>
    </message>
    <message>
        <source>价格设置未写入，原有数据已保留。
%1</source>
        <translation>Price settings could not be saved. Existing data was preserved.
%1</translation>
    </message>
    <message>
        <source>数据库不可用，价格设置未保存。</source>
        <translation>The database is unavailable; the price settings were not saved.</translation>
    </message>
    <message numerus="yes">
        <source>正在后台识别页数，还剩 %n 个文档…</source>
        <translation>
            <numerusform>Detecting page counts in the background, %n document remaining…</numerusform>
            <numerusform>Detecting page counts in the background, %n documents remaining…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已添加 %n 个文档，正在后台识别页数…</source>
        <translation>
            <numerusform>%n document added, detecting page counts in the background…</numerusform>
            <numerusform>%n documents added, detecting page counts in the background…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已从清单中移除 %n 个文档</source>
        <translation>
            <numerusform>%n document removed from the list</numerusform>
            <numerusform>%n documents removed from the list</numerusform>
        </translation>
    </message>
    <message>
        <source>/打印报价单_%1.pdf</source>
        <translation>/print_quote_%1.pdf</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>PDF 报价单已导出：%1</source>
        <translation>PDF quote exported: %1</translation>
    </message>
    <message>
        <source>/核价明细_%1.xlsx</source>
        <translation>/Pricing details_%1.xlsx</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>无法写入 PDF 报价单：%1
%2</source>
        <translation>The PDF quote could not be written: %1
%2</translation>
    </message>
    <message>
        <source>无法生成 PDF 页面</source>
        <translation>No PDF pages could be produced</translation>
    </message>
    <message>
        <source>%1（%2/份）</source>
        <translation>%1 (%2/copy)</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>Tax ID</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>报价编号：%1&lt;br&gt;价格角色：%2&lt;br&gt;报价日期：%3&lt;br&gt;有效期至：%4&lt;br&gt;币种：%5&lt;br&gt;打印方式：%6</source>
        <translation>Quote no.: %1&lt;br&gt;Price profile: %2&lt;br&gt;Quote date: %3&lt;br&gt;Valid until: %4&lt;br&gt;Currency: %5&lt;br&gt;Print mode: %6</translation>
    </message>
    <message>
        <source>纸张/克重：%1</source>
        <translation>Paper/weight: %1</translation>
    </message>
    <message>
        <source>Excel 明细已导出：%1</source>
        <translation>Excel details exported: %1</translation>
    </message>
    <message>
        <source>Excel 工作表内容生成失败。</source>
        <translation>Generating the Excel worksheet content failed.</translation>
    </message>
    <message>
        <source>无法写入 Excel 文件：%1</source>
        <translation>Cannot write the Excel file: %1</translation>
    </message>
    <message>
        <source>打印核价明细</source>
        <translation>Print pricing details</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Tax rate</translation>
    </message>
    <message>
        <source>含税合计</source>
        <translation>Total incl. tax</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Company name</translation>
    </message>
    <message>
        <source>纸张/克重</source>
        <translation>Paper/weight</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>Print mode</translation>
    </message>
    <message>
        <source>有效期至</source>
        <translation>Valid until</translation>
    </message>
    <message>
        <source>文件名称</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>商品金额：%1&lt;br&gt;起步费：%2&lt;br&gt;数量折扣：−%3&lt;br&gt;整单折扣：−%4&lt;br&gt;税前金额：%5&lt;br&gt;税额（%6%）：%7&lt;br&gt;&lt;strong&gt;合计：%8&lt;/strong&gt;</source>
        <translation>Items: %1&lt;br&gt;Setup fee: %2&lt;br&gt;Volume discount: −%3&lt;br&gt;Quote discount: −%4&lt;br&gt;Before tax: %5&lt;br&gt;Tax (%6%): %7&lt;br&gt;&lt;strong&gt;Total: %8&lt;/strong&gt;</translation>
    </message>
    <message>
        <source>以上价格已含税</source>
        <translation>The prices above include tax</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>Payment terms</translation>
    </message>
    <message>
        <source>本报价由 Orvanta 生成，最终价格以实际生产确认为准。</source>
        <translation>This quote was generated by Orvanta; the final price is subject to confirmation at production.</translation>
    </message>
    <message>
        <source>文档打印报价单</source>
        <translation>Document print quote</translation>
    </message>
    <message>
        <source>装订费</source>
        <translation>Binding fee</translation>
    </message>
    <message>
        <source>商品金额</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>Setup fee</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>Volume discount</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>Quote discount</translation>
    </message>
    <message>
        <source>税前金额</source>
        <translation>Subtotal before tax</translation>
    </message>
    <message>
        <source>把文档、图片或文件夹拖到这里即可开始
支持 PDF、Word（DOC、DOCX）、WPS 文档和 JPG、PNG、BMP、GIF、WebP、TIFF 图片</source>
        <translation>Drag documents, images or folders here to start
Supports PDF, Word (DOC, DOCX) and WPS documents and JPG, PNG, BMP, GIF, WebP, TIFF images</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件设为%1</source>
        <translation>
            <numerusform>%n file set to %1</numerusform>
            <numerusform>%n files set to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的装订方式设为%1</source>
        <translation>
            <numerusform>Binding of %n file set to %1</numerusform>
            <numerusform>Binding of %n files set to %1</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置份数</source>
        <translation>Set Copies</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少份？</source>
        <translation>
            <numerusform>How many copies of the %n selected file?</numerusform>
            <numerusform>How many copies of each of the %n selected files?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的份数设为 %1</source>
        <translation>
            <numerusform>Copies of %n file set to %1</numerusform>
            <numerusform>Copies of %n files set to %1</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置单价</source>
        <translation>Set Unit Price</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少 %1？</source>
        <translation>
            <numerusform>Unit price in %1 for the %n selected file?</numerusform>
            <numerusform>Unit price in %1 for the %n selected files?</numerusform>
        </translation>
    </message>
    <message>
        <source>输入无效</source>
        <translation>Invalid Input</translation>
    </message>
    <message>
        <source>请输入 0 到 9999 之间的有效金额。</source>
        <translation>Enter a valid amount between 0 and 9999.</translation>
    </message>
    <message numerus="yes">
        <source>已设置 %n 个文件的单价</source>
        <translation>
            <numerusform>Unit price set for %n file</numerusform>
            <numerusform>Unit price set for %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>打开文件所在位置</source>
        <translation>Show in Folder</translation>
    </message>
    <message>
        <source>份数…</source>
        <translation>Copies…</translation>
    </message>
    <message>
        <source>单价…</source>
        <translation>Unit Price…</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>Cannot Open File</translation>
    </message>
    <message>
        <source>无法使用电脑默认软件打开该文件：
%1</source>
        <translation>The computer’s default application cannot open this file:
%1</translation>
    </message>
    <message>
        <source>无法定位文件</source>
        <translation>Cannot Locate File</translation>
    </message>
    <message>
        <source>无法打开文件所在位置：
%1</source>
        <translation>Cannot open the folder of this file:
%1</translation>
    </message>
    <message>
        <source>税额</source>
        <translation>Tax</translation>
    </message>
    <message>
        <source>价格设置已保存</source>
        <translation>Price settings saved.</translation>
    </message>
    <message>
        <source>按页计价：每页按其尺寸和颜色计价</source>
        <translation>Priced page by page: each page at the price for its own size and color</translation>
    </message>
    <message>
        <source>彩色页 %1 · %2</source>
        <translation>Color pages %1 · %2</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>Priced page by page</translation>
    </message>
    <message>
        <source>按页明细</source>
        <translation>Page breakdown</translation>
    </message>
    <message>
        <source>页数由备用 PDF 阅读器识别，不可手动修改</source>
        <translation>Page count read by the fallback PDF reader; cannot be edited</translation>
    </message>
    <message>
        <source>正在分析每页颜色和尺寸 %1/%2</source>
        <translation>Checking page color and size %1/%2</translation>
    </message>
    <message>
        <source>没有逐页的颜色和尺寸信息</source>
        <translation>No page details (color and size of each page)</translation>
    </message>
    <message>
        <source>彩色 %1 页，黑白 %2 页
各尺寸页数：%3</source>
        <translation>%1 color pages, %2 black-and-white pages
Pages per size: %3</translation>
    </message>
    <message>
        <source>按页计价：每页平均单价，双击可修改</source>
        <translation>Priced page by page: average price per page; double-click to change</translation>
    </message>
    <message>
        <source>页数为估计值：文件已损坏，按其中的页面对象计数</source>
        <translation>Estimated page count: the file is damaged, so its page objects were counted</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>Customer name</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>Quote history</translation>
    </message>
    <message>
        <source>%1；报价记录未保存：%2</source>
        <translation>%1; the quote was not saved in the history: %2</translation>
    </message>
    <message>
        <source>部分文件已不存在</source>
        <translation>Some files no longer exist</translation>
    </message>
    <message>
        <source>以下文件已不存在，未载入（其金额仍保存在报价记录中）：
%1</source>
        <translation>These files no longer exist and were not loaded (their amounts stay in the quote history):
%1</translation>
    </message>
    <message>
        <source>数据库不可用</source>
        <translation>The database is not available</translation>
    </message>
    <message>
        <source>按页计价的金额要等每页的颜色和尺寸检查完才确定</source>
        <translation>Page-by-page amounts are final once every page&apos;s color and size has been checked</translation>
    </message>
    <message>
        <source>暂不能导出</source>
        <translation>Cannot export yet</translation>
    </message>
    <message numerus="yes">
        <source>当前价格角色按页计价，还有 %n 个文档正在检查每页的颜色和尺寸，检查完成前的金额不是最终金额。请等底部的“暂估”消失后再导出。</source>
        <translation>
            <numerusform>The active price profile prices page by page, and %n document is still having its pages&apos; color and size checked; until then the amounts are not final. Export once “provisional” has gone from the bottom bar.</numerusform>
            <numerusform>The active price profile prices page by page, and %n documents are still having their pages&apos; color and size checked; until then the amounts are not final. Export once “provisional” has gone from the bottom bar.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>暂估，%n 个文档仍在检查</source>
        <translation>
            <numerusform>provisional, %n document being checked</numerusform>
            <numerusform>provisional, %n documents being checked</numerusform>
        </translation>
    </message>
    <message>
        <source>检查页面的辅助进程崩溃了</source>
        <translation>the helper that checks the pages crashed</translation>
    </message>
    <message>
        <source>检查页面的辅助进程超出了内存上限</source>
        <translation>the helper that checks the pages exceeded its memory limit</translation>
    </message>
    <message>
        <source>检查页面超过了时间上限</source>
        <translation>checking the pages took longer than the time limit</translation>
    </message>
    <message>
        <source>页面详情不可用：%1（已单独重试一次），本行按整份文档计价</source>
        <translation>Page details unavailable: %1 (retried once on its own); this row is priced as a whole document</translation>
    </message>
    <message>
        <source>页面详情不可用</source>
        <translation>Page details unavailable</translation>
    </message>
    <message>
        <source>页面详情不可用：%1，其他文档检查完后会单独再试一次</source>
        <translation>Page details unavailable: %1; it will be tried once more on its own after the other documents</translation>
    </message>
    <message numerus="yes">
        <source>正在渲染 %n 个 Word 文件</source>
        <translation>
            <numerusform>Rendering %n Word file</numerusform>
            <numerusform>Rendering %n Word files</numerusform>
        </translation>
    </message>
    <message>
        <source>按文件存储页数计价：%1 页</source>
        <translation>Price by the stored count: %1 pages</translation>
    </message>
    <message>
        <source>按渲染页数计价：%1 页</source>
        <translation>Price by the rendered count: %1 pages</translation>
    </message>
    <message>
        <source>LibreOffice 无法打开此文件（文件损坏、受密码保护或格式不支持）</source>
        <translation>LibreOffice cannot open this file (damaged, password-protected or unsupported)</translation>
    </message>
    <message>
        <source>LibreOffice 渲染此文件时卡住或崩溃</source>
        <translation>LibreOffice hung or crashed while rendering this file</translation>
    </message>
    <message>
        <source>LibreOffice 渲染结果没有页面</source>
        <translation>LibreOffice rendered it to a PDF without pages</translation>
    </message>
    <message>
        <source>%1；未用渲染页数：%2</source>
        <translation>%1; rendered count not used: %2</translation>
    </message>
    <message>
        <source>页数来自 LibreOffice 渲染（文件未存储页数），不可手动修改</source>
        <translation>Page count from a LibreOffice rendering (the file stores none); cannot be edited</translation>
    </message>
    <message>
        <source>文件存储页数与 LibreOffice 渲染页数一致，不可手动修改</source>
        <translation>The stored page count matches the LibreOffice rendering; cannot be edited</translation>
    </message>
    <message>
        <source>按 LibreOffice 渲染页数 %2 计价（文件存储 %1 页），可在右键菜单或点击页数改回存储页数</source>
        <translation>Priced by the LibreOffice rendering's %2 pages (the file stores %1); switch back to the stored count from the context menu or by clicking the count</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差较大；按存储页数计价，可在右键菜单或点击页数改用渲染页数</source>
        <translation>The file stores %1 pages, LibreOffice renders %2: far apart; priced by the stored count, switch to the rendered one from the context menu or by clicking the count</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差很小（多因字体不同），按存储页数计价</source>
        <translation>The file stores %1 pages, LibreOffice renders %2: a small difference (usually fonts); priced by the stored count</translation>
    </message>
    <message>
        <source>按渲染页数计价</source>
        <translation>Price by the rendered count</translation>
    </message>
    <message>
        <source>* 页数来自 LibreOffice 渲染；≠ 文件存储页数与渲染页数相差较大，其后为未计价的另一页数</source>
        <translation>* page count from a LibreOffice rendering; ≠ stored and rendered counts far apart, followed by the count not priced</translation>
    </message>
</context>
<context>
    <name>PageLoadingIndicator</name>
    <message>
        <source>正在后台识别页数</source>
        <translation>Detecting the page count in the background</translation>
    </message>
    <message>
        <source>%1 彩</source>
        <translation>%1 color</translation>
    </message>
</context>
<context>
    <name>PriceSettingsDialog</name>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>尚未添加自定义装订方式。</source>
        <translation>No custom binding methods have been added.</translation>
    </message>
    <message>
        <source>新增装订方式</source>
        <translation>Add Binding Method</translation>
    </message>
    <message>
        <source>装订方式名称</source>
        <translation>Binding Method Name</translation>
    </message>
    <message>
        <source>名称已存在</source>
        <translation>Name Already Exists</translation>
    </message>
    <message>
        <source>请使用其他装订方式名称。</source>
        <translation>Use a different binding method name.</translation>
    </message>
    <message>
        <source>重命名装订方式</source>
        <translation>Rename Binding Method</translation>
    </message>
    <message>
        <source>删除装订方式</source>
        <translation>Delete Binding Method</translation>
    </message>
    <message>
        <source>确定删除“%1”吗？相关价格设置也会删除。</source>
        <translation>Delete &quot;%1&quot;? Its price settings will also be removed.</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>Price Settings</translation>
    </message>
    <message>
        <source>按纸张尺寸计价</source>
        <translation>Prices by paper size</translation>
    </message>
    <message>
        <source>识别文档尺寸后自动匹配每页单价；未识别的规格使用“其他”。</source>
        <translation>Once a document&apos;s size is detected, its price per page is matched automatically; unrecognized sizes use &quot;Other&quot;.</translation>
    </message>
    <message>
        <source>地区格式</source>
        <translation>Regional format</translation>
    </message>
    <message>
        <source>跟随系统（%1）</source>
        <translation>Follow system (%1)</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>Currency</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Tax rate</translation>
    </message>
    <message>
        <source>输入价格已含税</source>
        <translation>Prices include tax</translation>
    </message>
    <message>
        <source>商业计价规则</source>
        <translation>Commercial pricing rules</translation>
    </message>
    <message>
        <source>例如：80 gsm uncoated</source>
        <translation>e.g. 80 gsm uncoated</translation>
    </message>
    <message>
        <source>纸张/克重说明</source>
        <translation>Paper / weight</translation>
    </message>
    <message>
        <source>双面价格系数</source>
        <translation>Duplex price factor</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>Setup fee</translation>
    </message>
    <message>
        <source>最低消费</source>
        <translation>Minimum charge</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>Quote discount</translation>
    </message>
    <message>
        <source>数量折扣门槛</source>
        <translation>Volume discount threshold</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>Volume discount</translation>
    </message>
    <message>
        <source>金额舍入单位</source>
        <translation>Rounding increment</translation>
    </message>
    <message>
        <source>数量按所有文件的份数合计；门槛为 0 表示不启用数量折扣。</source>
        <translation>The quantity is the total of copies over all files;
a threshold of 0 turns the volume discount off.</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>Price profile</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>General</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Black &amp; White</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>Inkjet Color</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>Laser Color</translation>
    </message>
    <message>
        <source>统一单价</source>
        <translation>Uniform price</translation>
    </message>
    <message>
        <source>应用到全部尺寸</source>
        <translation>Apply to all sizes</translation>
    </message>
    <message>
        <source>每页单价</source>
        <translation>Price per page</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>装订方式单价（每份）</source>
        <translation>Binding price (per copy)</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>Corner staple</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>Double staple</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>Saddle stitch</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>Perfect binding</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>Comb binding</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>Wire-O binding</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>Coil binding</translation>
    </message>
    <message>
        <source>自定义装订方式</source>
        <translation>Custom binding methods</translation>
    </message>
    <message>
        <source>报价单商家信息</source>
        <translation>Seller details for quotes</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Company name</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>Tax ID</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>Customer name</translation>
    </message>
    <message>
        <source>客户联系方式</source>
        <translation>Customer contact</translation>
    </message>
    <message>
        <source>有效天数</source>
        <translation>Valid for (days)</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>Payment terms</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Save Settings</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>新增价格角色</source>
        <translation>Add Price Profile</translation>
    </message>
    <message>
        <source>角色名称</source>
        <translation>Profile Name</translation>
    </message>
    <message>
        <source>请使用其他角色名称。</source>
        <translation>Use a different profile name.</translation>
    </message>
    <message>
        <source>重命名价格角色</source>
        <translation>Rename Price Profile</translation>
    </message>
    <message>
        <source>无法删除</source>
        <translation>Cannot Delete</translation>
    </message>
    <message>
        <source>至少需要保留一个价格角色。</source>
        <translation>At least one price profile has to remain.</translation>
    </message>
    <message>
        <source>删除价格角色</source>
        <translation>Delete Price Profile</translation>
    </message>
    <message>
        <source>确定删除“%1”及其全部价格设置吗？</source>
        <translation>Delete &quot;%1&quot; and all of its price settings?</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>Price page by page</translation>
    </message>
    <message>
        <source>逐页识别颜色和尺寸：每页按自身尺寸计价，彩色文件中的黑白页按黑白单价计价。手动输入的单价仍然优先。</source>
        <translation>Detects the color and size of every page: each page is priced at its own size, and the black-and-white pages of a color document at the black-and-white price. A unit price typed into a row still takes precedence.</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryModel</name>
    <message>
        <source>报价编号</source>
        <translation>Quote no.</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryWindow</name>
    <message>
        <source>不限</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>Quote history</translation>
    </message>
    <message>
        <source>编号、客户或文件名</source>
        <translation>Number, customer or file name</translation>
    </message>
    <message>
        <source>从</source>
        <translation>From</translation>
    </message>
    <message>
        <source>至</source>
        <translation>To</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>导出 Excel</source>
        <translation>Export Excel</translation>
    </message>
    <message>
        <source>载入清单</source>
        <translation>Load into list</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message numerus="yes">
        <source>%n 条报价</source>
        <translation>
            <numerusform>%n quote</numerusform>
            <numerusform>%n quotes</numerusform>
        </translation>
    </message>
    <message>
        <source>报价记录无法读取：%1</source>
        <translation>The quote history cannot be read: %1</translation>
    </message>
    <message>
        <source>无法重新导出</source>
        <translation>Cannot export again</translation>
    </message>
    <message>
        <source>这条报价记录不含完整明细，只能查看和删除。</source>
        <translation>This quote record has no complete details; it can only be viewed and deleted.</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>Export PDF quote</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Export Excel details</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>已导出：%1</source>
        <translation>Exported: %1</translation>
    </message>
    <message>
        <source>无法载入</source>
        <translation>Cannot load</translation>
    </message>
    <message>
        <source>删除报价记录</source>
        <translation>Delete quote</translation>
    </message>
    <message>
        <source>删除报价 %1？此操作无法撤销。</source>
        <translation>Delete quote %1? This cannot be undone.</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Delete failed</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>ZIP 条目解压失败</source>
        <translation>Decompressing the ZIP entry failed</translation>
    </message>
    <message>
        <source>ZIP 条目校验失败</source>
        <translation>ZIP entry validation failed</translation>
    </message>
    <message>
        <source>不支持的 ZIP 压缩算法：%1</source>
        <translation>Unsupported ZIP compression method: %1</translation>
    </message>
    <message>
        <source>ZIP 文件过小或已损坏</source>
        <translation>The ZIP file is too small or corrupted</translation>
    </message>
    <message>
        <source>找不到 ZIP 中央目录</source>
        <translation>The ZIP central directory was not found</translation>
    </message>
    <message>
        <source>ZIP 中央目录已损坏</source>
        <translation>The ZIP central directory is corrupted</translation>
    </message>
    <message>
        <source>ZIP 中不存在条目：%1</source>
        <translation>Entry not found in the ZIP: %1</translation>
    </message>
    <message>
        <source>不支持加密的 ZIP 条目</source>
        <translation>Encrypted ZIP entries are not supported</translation>
    </message>
    <message>
        <source>ZIP 本地文件头已损坏</source>
        <translation>The ZIP local file header is corrupted</translation>
    </message>
    <message>
        <source>ZIP 条目数据不完整</source>
        <translation>The ZIP entry data is incomplete</translation>
    </message>
    <message>
        <source>ZIP 条目过大或名称无效</source>
        <translation>The ZIP entry is too large or has an invalid name</translation>
    </message>
    <message>
        <source>ZIP 文件数量过多</source>
        <translation>The ZIP file contains too many entries</translation>
    </message>
</context>
</TS>
