<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>DocumentAnalyzer</name>
    <message>
        <source>A4 横向</source>
        <translation>A4 quer</translation>
    </message>
    <message>
        <source> 横向</source>
        <translation> quer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>文件识别页数，不可手动修改</source>
        <translation>Seitenzahl aus der Datei ermittelt; nicht manuell änderbar</translation>
    </message>
    <message>
        <source>未能识别文件页数</source>
        <translation>Seitenzahl konnte nicht ermittelt werden</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>未能读取文档纸张尺寸</source>
        <translation>Papierformat des Dokuments konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>文档纸张尺寸：%1</source>
        <translation>Papierformat des Dokuments: %1</translation>
    </message>
    <message>
        <source>旧版 DOC 识别受限</source>
        <translation>Eingeschränkte Unterstützung für alte DOC-Dateien</translation>
    </message>
    <message>
        <source>未安装 LibreOffice，且该 DOC 文件没有可用的内置页数。
PDF 和 DOCX 仍可正常使用；如需识别此类旧版 DOC，请安装 LibreOffice。</source>
        <translation>LibreOffice ist nicht installiert, und diese DOC-Datei enthält keine gespeicherte Seitenzahl.
PDF- und DOCX-Dateien funktionieren weiterhin; um solche alten DOC-Dateien zu erkennen, installieren Sie bitte LibreOffice.</translation>
    </message>
    <message>
        <source>文档页数识别完成</source>
        <translation>Seitenzahlerkennung abgeschlossen</translation>
    </message>
    <message>
        <source>Orvanta v%1 - 文档打印核价</source>
        <translation>Orvanta v%1 - Druckkalkulation für Dokumente</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Sprache wechseln</translation>
    </message>
    <message>
        <source>语言设置已保存，重启软件后生效。是否现在重启？</source>
        <translation>Die Spracheinstellung wurde gespeichert und wird nach einem Neustart wirksam. Jetzt neu starten?</translation>
    </message>
    <message>
        <source>新语言将在下次启动时生效</source>
        <translation>Die neue Sprache wird beim nächsten Start wirksam</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>Preisprofil</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的颜色</source>
        <translation>Farbe für alle Dateien der Liste festlegen</translation>
    </message>
    <message>
        <source>装订</source>
        <translation>Bindung</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的装订方式</source>
        <translation>Bindung für alle Dateien der Liste festlegen</translation>
    </message>
    <message>
        <source>单双面</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>单面</source>
        <translation>Einseitig</translation>
    </message>
    <message>
        <source>双面</source>
        <translation>Beidseitig</translation>
    </message>
    <message>
        <source>双面打印时使用当前价格角色的双面价格系数</source>
        <translation>Beim doppelseitigen Druck gilt der Duplex-Preisfaktor des aktuellen Preisprofils</translation>
    </message>
    <message>
        <source>份数</source>
        <translation>Exemplare</translation>
    </message>
    <message>
        <source>设置所有文件的打印份数</source>
        <translation>Anzahl der Exemplare für alle Dateien festlegen</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>文件名称  ▼</source>
        <translation>Dateiname  ▼</translation>
    </message>
    <message>
        <source>页数  ▼</source>
        <translation>Seiten  ▼</translation>
    </message>
    <message>
        <source>尺寸  ▼</source>
        <translation>Format  ▼</translation>
    </message>
    <message>
        <source>单价/页</source>
        <translation>Preis/Seite</translation>
    </message>
    <message>
        <source>装订方式</source>
        <translation>Bindung</translation>
    </message>
    <message>
        <source>小计</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>合计：</source>
        <translation>Gesamt:</translation>
    </message>
    <message>
        <source>0 个</source>
        <translation>0 Dateien</translation>
    </message>
    <message>
        <source>0 页</source>
        <translation>0 Seiten</translation>
    </message>
    <message>
        <source>导出报价单 ▾</source>
        <translation>Angebot exportieren ▾</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>PDF-Angebot exportieren</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Excel-Aufstellung exportieren</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>装订费：%1/份</source>
        <translation>Bindepreis: %1 pro Exemplar</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>商品：%1
起步费：%2
折扣：%3
税前：%4
税额（%5%）：%6</source>
        <translation>Positionen: %1
Grundgebühr: %2
Rabatte: %3
Vor Steuern: %4
Steuer (%5 %): %6</translation>
    </message>
    <message>
        <source>没有找到支持的 PDF、Word、WPS 或图片文件</source>
        <translation>Keine unterstützten PDF-, Word-, WPS- oder Bilddateien gefunden</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>导入了 0 个文件，%1 个不支持的文件未导入</source>
        <translation>Keine Dateien importiert; nicht unterstützte Dateien übersprungen: %1</translation>
    </message>
    <message>
        <source>所选文档已在清单中</source>
        <translation>Die ausgewählten Dokumente sind bereits in der Liste</translation>
    </message>
    <message>
        <source>导入了 %1 个文件，%2 个不支持的文件未导入</source>
        <translation>Importierte Dateien: %1; nicht unterstützte Dateien übersprungen: %2</translation>
    </message>
    <message>
        <source>正在后台识别页数，识别结果不可手动修改</source>
        <translation>Seitenzahl wird im Hintergrund ermittelt; das Ergebnis ist nicht manuell änderbar</translation>
    </message>
    <message>
        <source>正在识别文档纸张尺寸</source>
        <translation>Papierformat des Dokuments wird ermittelt</translation>
    </message>
    <message>
        <source>双击可修改份数</source>
        <translation>Doppelklicken, um die Exemplare zu ändern</translation>
    </message>
    <message>
        <source>双击可修改单价</source>
        <translation>Doppelklicken, um den Seitenpreis zu ändern</translation>
    </message>
    <message>
        <source>单击可修改颜色</source>
        <translation>Klicken, um die Farbe zu ändern</translation>
    </message>
    <message>
        <source>清单已清空</source>
        <translation>Die Liste wurde geleert</translation>
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
        <translation>Dateityp: A → Z</translation>
    </message>
    <message>
        <source>文件格式：Z → A</source>
        <translation>Dateityp: Z → A</translation>
    </message>
    <message>
        <source>创建时间：新 → 旧</source>
        <translation>Erstellt: neu → alt</translation>
    </message>
    <message>
        <source>创建时间：旧 → 新</source>
        <translation>Erstellt: alt → neu</translation>
    </message>
    <message>
        <source>文件大小：大 → 小</source>
        <translation>Dateigröße: groß → klein</translation>
    </message>
    <message>
        <source>文件大小：小 → 大</source>
        <translation>Dateigröße: klein → groß</translation>
    </message>
    <message>
        <source>页数：升序</source>
        <translation>Seiten: aufsteigend</translation>
    </message>
    <message>
        <source>页数：降序</source>
        <translation>Seiten: absteigend</translation>
    </message>
    <message>
        <source>尺寸：升序（小 → 大）</source>
        <translation>Format: aufsteigend (klein → groß)</translation>
    </message>
    <message>
        <source>尺寸：降序（大 → 小）</source>
        <translation>Format: absteigend (groß → klein)</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>Farbe Tintenstrahl</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>Farbe Laser</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>Eckheftung</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>Doppelheftung</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>Rückendrahtheftung</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>Klebebindung</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>Plastikbindung</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>Wire-O-Bindung</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>Spiralbindung</translation>
    </message>
    <message>
        <source>无装订</source>
        <translation>Keine Bindung</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>数据库升级失败</source>
        <translation>Datenbankaktualisierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>价格设置读取失败，本次运行不会保存价格设置。
%1</source>
        <translation>Die Preiseinstellungen konnten nicht gelesen werden und werden in dieser Sitzung nicht gespeichert.
%1</translation>
    </message>
    <message>
        <source>价格设置未写入，原有数据已保留。
%1</source>
        <translation>Die Preiseinstellungen wurden nicht gespeichert; die bisherigen Daten bleiben erhalten.
%1</translation>
    </message>
    <message>
        <source>数据库不可用，价格设置未保存。</source>
        <translation>Die Datenbank ist nicht verfügbar; die Preiseinstellungen wurden nicht gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>正在后台识别页数，还剩 %n 个文档…</source>
        <translation>
            <numerusform>Seitenzahlen werden im Hintergrund erkannt, noch %n Dokument…</numerusform>
            <numerusform>Seitenzahlen werden im Hintergrund erkannt, noch %n Dokumente…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已添加 %n 个文档，正在后台识别页数…</source>
        <translation>
            <numerusform>%n Dokument hinzugefügt, Seitenzahlen werden im Hintergrund erkannt…</numerusform>
            <numerusform>%n Dokumente hinzugefügt, Seitenzahlen werden im Hintergrund erkannt…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已从清单中移除 %n 个文档</source>
        <translation>
            <numerusform>%n Dokument aus der Liste entfernt</numerusform>
            <numerusform>%n Dokumente aus der Liste entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>/打印报价单_%1.pdf</source>
        <translation>/Druckangebot_%1.pdf</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>PDF 报价单已导出：%1</source>
        <translation>PDF-Angebot exportiert: %1</translation>
    </message>
    <message>
        <source>/核价明细_%1.xlsx</source>
        <translation>/Preisaufstellung_%1.xlsx</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>无法写入 PDF 报价单：%1
%2</source>
        <translation>Das PDF-Angebot konnte nicht geschrieben werden: %1
%2</translation>
    </message>
    <message>
        <source>无法生成 PDF 页面</source>
        <translation>Es konnten keine PDF-Seiten erzeugt werden</translation>
    </message>
    <message>
        <source>%1（%2/份）</source>
        <translation>%1 (%2/Exemplar)</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>Steuernummer</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>报价编号：%1&lt;br&gt;价格角色：%2&lt;br&gt;报价日期：%3&lt;br&gt;有效期至：%4&lt;br&gt;币种：%5&lt;br&gt;打印方式：%6</source>
        <translation>Angebotsnr.: %1&lt;br&gt;Preisprofil: %2&lt;br&gt;Angebotsdatum: %3&lt;br&gt;Gültig bis: %4&lt;br&gt;Währung: %5&lt;br&gt;Druckart: %6</translation>
    </message>
    <message>
        <source>纸张/克重：%1</source>
        <translation>Papier/Grammatur: %1</translation>
    </message>
    <message>
        <source>Excel 明细已导出：%1</source>
        <translation>Excel-Aufstellung exportiert: %1</translation>
    </message>
    <message>
        <source>Excel 工作表内容生成失败。</source>
        <translation>Der Inhalt des Excel-Arbeitsblatts konnte nicht erzeugt werden.</translation>
    </message>
    <message>
        <source>无法写入 Excel 文件：%1</source>
        <translation>Die Excel-Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>打印核价明细</source>
        <translation>Druckpreis-Aufstellung</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>含税合计</source>
        <translation>Gesamt inkl. Steuer</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>纸张/克重</source>
        <translation>Papier/Grammatur</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>Druckart</translation>
    </message>
    <message>
        <source>有效期至</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>文件名称</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>商品金额：%1&lt;br&gt;起步费：%2&lt;br&gt;数量折扣：−%3&lt;br&gt;整单折扣：−%4&lt;br&gt;税前金额：%5&lt;br&gt;税额（%6%）：%7&lt;br&gt;&lt;strong&gt;合计：%8&lt;/strong&gt;</source>
        <translation>Positionen: %1&lt;br&gt;Einrichtungsgebühr: %2&lt;br&gt;Mengenrabatt: −%3&lt;br&gt;Angebotsrabatt: −%4&lt;br&gt;Netto: %5&lt;br&gt;Steuer (%6 %): %7&lt;br&gt;&lt;strong&gt;Gesamt: %8&lt;/strong&gt;</translation>
    </message>
    <message>
        <source>以上价格已含税</source>
        <translation>Die obigen Preise enthalten Steuern</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>Zahlungsbedingungen</translation>
    </message>
    <message>
        <source>本报价由 Orvanta 生成，最终价格以实际生产确认为准。</source>
        <translation>Dieses Angebot wurde von Orvanta erstellt; der endgültige Preis wird bei der Produktion bestätigt.</translation>
    </message>
    <message>
        <source>文档打印报价单</source>
        <translation>Druckangebot für Dokumente</translation>
    </message>
    <message>
        <source>装订费</source>
        <translation>Bindungsgebühr</translation>
    </message>
    <message>
        <source>商品金额</source>
        <translation>Positionen</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>Grundgebühr</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>Mengenrabatt</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>Auftragsrabatt</translation>
    </message>
    <message>
        <source>税前金额</source>
        <translation>Betrag vor Steuern</translation>
    </message>
    <message>
        <source>把文档、图片或文件夹拖到这里即可开始
支持 PDF、Word（DOC、DOCX）、WPS 文档和 JPG、PNG、BMP、GIF、WebP、TIFF 图片</source>
        <translation>Dokumente, Bilder oder Ordner hierher ziehen, um zu beginnen
Unterstützt: PDF-, Word- (DOC, DOCX) und WPS-Dokumente sowie JPG-, PNG-, BMP-, GIF-, WebP- und TIFF-Bilder</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件设为%1</source>
        <translation>
            <numerusform>%n Datei auf %1 gesetzt</numerusform>
            <numerusform>%n Dateien auf %1 gesetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的装订方式设为%1</source>
        <translation>
            <numerusform>Bindung von %n Datei auf %1 gesetzt</numerusform>
            <numerusform>Bindung von %n Dateien auf %1 gesetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置份数</source>
        <translation>Exemplare festlegen</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少份？</source>
        <translation>
            <numerusform>Wie viele Exemplare der %n ausgewählten Datei?</numerusform>
            <numerusform>Wie viele Exemplare je ausgewählter Datei (%n Dateien)?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的份数设为 %1</source>
        <translation>
            <numerusform>Exemplare von %n Datei auf %1 gesetzt</numerusform>
            <numerusform>Exemplare von %n Dateien auf %1 gesetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置单价</source>
        <translation>Seitenpreis festlegen</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少 %1？</source>
        <translation>
            <numerusform>Seitenpreis in %1 für die %n ausgewählte Datei?</numerusform>
            <numerusform>Seitenpreis in %1 für die %n ausgewählten Dateien?</numerusform>
        </translation>
    </message>
    <message>
        <source>输入无效</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>请输入 0 到 9999 之间的有效金额。</source>
        <translation>Bitte einen gültigen Betrag zwischen 0 und 9999 eingeben.</translation>
    </message>
    <message numerus="yes">
        <source>已设置 %n 个文件的单价</source>
        <translation>
            <numerusform>Seitenpreis für %n Datei festgelegt</numerusform>
            <numerusform>Seitenpreis für %n Dateien festgelegt</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>打开文件所在位置</source>
        <translation>Im Ordner anzeigen</translation>
    </message>
    <message>
        <source>份数…</source>
        <translation>Exemplare…</translation>
    </message>
    <message>
        <source>单价…</source>
        <translation>Seitenpreis…</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>无法使用电脑默认软件打开该文件：
%1</source>
        <translation>Die Standardanwendung des Computers kann diese Datei nicht öffnen:
%1</translation>
    </message>
    <message>
        <source>无法定位文件</source>
        <translation>Datei kann nicht gezeigt werden</translation>
    </message>
    <message>
        <source>无法打开文件所在位置：
%1</source>
        <translation>Der Ordner dieser Datei kann nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <source>税额</source>
        <translation>Steuer</translation>
    </message>
    <message>
        <source>价格设置已保存</source>
        <translation>Preiseinstellungen gespeichert.</translation>
    </message>
    <message>
        <source>按页计价：每页按其尺寸和颜色计价</source>
        <translation>Seitenweise berechnet: jede Seite zum Preis ihres Formats und ihrer Farbe</translation>
    </message>
    <message>
        <source>彩色页 %1 · %2</source>
        <translation>Farbseiten %1 · %2</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>Seitenweise berechnet</translation>
    </message>
    <message>
        <source>按页明细</source>
        <translation>Seitenaufschlüsselung</translation>
    </message>
    <message>
        <source>页数由备用 PDF 阅读器识别，不可手动修改</source>
        <translation>Seitenzahl vom Ersatz-PDF-Leser erkannt; nicht änderbar</translation>
    </message>
    <message>
        <source>正在分析每页颜色和尺寸 %1/%2</source>
        <translation>Farbe und Format der Seiten werden geprüft %1/%2</translation>
    </message>
    <message>
        <source>没有逐页的颜色和尺寸信息</source>
        <translation>Keine Seitendetails (Farbe und Format jeder Seite)</translation>
    </message>
    <message>
        <source>彩色 %1 页，黑白 %2 页
各尺寸页数：%3</source>
        <translation>%1 Farbseiten, %2 Schwarzweißseiten
Seiten je Format: %3</translation>
    </message>
    <message>
        <source>按页计价：每页平均单价，双击可修改</source>
        <translation>Seitenweise berechnet: Durchschnittspreis pro Seite; Doppelklick zum Ändern</translation>
    </message>
    <message>
        <source>页数为估计值：文件已损坏，按其中的页面对象计数</source>
        <translation>Geschätzte Seitenzahl: Die Datei ist beschädigt, daher wurden ihre Seitenobjekte gezählt</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>Kundenname</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>Angebotsverlauf</translation>
    </message>
    <message>
        <source>%1；报价记录未保存：%2</source>
        <translation>%1; Angebot nicht im Verlauf gespeichert: %2</translation>
    </message>
    <message>
        <source>部分文件已不存在</source>
        <translation>Einige Dateien existieren nicht mehr</translation>
    </message>
    <message>
        <source>以下文件已不存在，未载入（其金额仍保存在报价记录中）：
%1</source>
        <translation>Diese Dateien existieren nicht mehr und wurden nicht geladen (ihre Beträge bleiben im Angebotsverlauf):
%1</translation>
    </message>
    <message>
        <source>数据库不可用</source>
        <translation>Die Datenbank ist nicht verfügbar</translation>
    </message>
    <message>
        <source>按页计价的金额要等每页的颜色和尺寸检查完才确定</source>
        <translation>Bei seitenweiser Preisberechnung steht der Betrag erst fest, wenn Farbe und Format jeder Seite geprüft sind</translation>
    </message>
    <message>
        <source>暂不能导出</source>
        <translation>Export noch nicht möglich</translation>
    </message>
    <message numerus="yes">
        <source>当前价格角色按页计价，还有 %n 个文档正在检查每页的颜色和尺寸，检查完成前的金额不是最终金额。请等底部的“暂估”消失后再导出。</source>
        <translation>
            <numerusform>Das aktive Preisprofil rechnet seitenweise ab, und bei %n Dokument werden Farbe und Format der Seiten noch geprüft; bis dahin sind die Beträge nicht endgültig. Exportieren Sie, sobald „vorläufig“ unten verschwunden ist.</numerusform>
            <numerusform>Das aktive Preisprofil rechnet seitenweise ab, und bei %n Dokumenten werden Farbe und Format der Seiten noch geprüft; bis dahin sind die Beträge nicht endgültig. Exportieren Sie, sobald „vorläufig“ unten verschwunden ist.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>暂估，%n 个文档仍在检查</source>
        <translation>
            <numerusform>vorläufig, %n Dokument in Prüfung</numerusform>
            <numerusform>vorläufig, %n Dokumente in Prüfung</numerusform>
        </translation>
    </message>
    <message>
        <source>检查页面的辅助进程崩溃了</source>
        <translation>der Hilfsprozess für die Seitenprüfung ist abgestürzt</translation>
    </message>
    <message>
        <source>检查页面的辅助进程超出了内存上限</source>
        <translation>der Hilfsprozess für die Seitenprüfung hat seine Speichergrenze überschritten</translation>
    </message>
    <message>
        <source>检查页面超过了时间上限</source>
        <translation>die Seitenprüfung hat das Zeitlimit überschritten</translation>
    </message>
    <message>
        <source>页面详情不可用：%1（已单独重试一次），本行按整份文档计价</source>
        <translation>Seitendetails nicht verfügbar: %1 (einmal allein wiederholt); diese Zeile wird als ganzes Dokument berechnet</translation>
    </message>
    <message>
        <source>页面详情不可用</source>
        <translation>Seitendetails nicht verfügbar</translation>
    </message>
    <message>
        <source>页面详情不可用：%1，其他文档检查完后会单独再试一次</source>
        <translation>Seitendetails nicht verfügbar: %1; nach den anderen Dokumenten wird es einmal allein erneut versucht</translation>
    </message>
    <message numerus="yes">
        <source>正在渲染 %n 个 Word 文件</source>
        <translation>
            <numerusform>%n Word-Datei wird gerendert</numerusform>
            <numerusform>%n Word-Dateien werden gerendert</numerusform>
        </translation>
    </message>
    <message>
        <source>按文件存储页数计价：%1 页</source>
        <translation>Nach gespeicherter Seitenzahl berechnen: %1 Seiten</translation>
    </message>
    <message>
        <source>按渲染页数计价：%1 页</source>
        <translation>Nach gerenderter Seitenzahl berechnen: %1 Seiten</translation>
    </message>
    <message>
        <source>LibreOffice 无法打开此文件（文件损坏、受密码保护或格式不支持）</source>
        <translation>LibreOffice kann diese Datei nicht öffnen (beschädigt, kennwortgeschützt oder nicht unterstützt)</translation>
    </message>
    <message>
        <source>LibreOffice 渲染此文件时卡住或崩溃</source>
        <translation>LibreOffice ist beim Rendern dieser Datei hängen geblieben oder abgestürzt</translation>
    </message>
    <message>
        <source>LibreOffice 渲染结果没有页面</source>
        <translation>LibreOffice hat daraus ein PDF ohne Seiten erzeugt</translation>
    </message>
    <message>
        <source>%1；未用渲染页数：%2</source>
        <translation>%1; gerenderte Seitenzahl nicht verwendet: %2</translation>
    </message>
    <message>
        <source>页数来自 LibreOffice 渲染（文件未存储页数），不可手动修改</source>
        <translation>Seitenzahl aus einer LibreOffice-Darstellung (die Datei speichert keine); nicht änderbar</translation>
    </message>
    <message>
        <source>文件存储页数与 LibreOffice 渲染页数一致，不可手动修改</source>
        <translation>Gespeicherte Seitenzahl stimmt mit der LibreOffice-Darstellung überein; nicht änderbar</translation>
    </message>
    <message>
        <source>按 LibreOffice 渲染页数 %2 计价（文件存储 %1 页），可在右键菜单或点击页数改回存储页数</source>
        <translation>Berechnet nach den %2 Seiten der LibreOffice-Darstellung (Datei speichert %1); über das Kontextmenü oder einen Klick auf die Zahl zurück zur gespeicherten Seitenzahl</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差较大；按存储页数计价，可在右键菜单或点击页数改用渲染页数</source>
        <translation>Datei speichert %1 Seiten, LibreOffice-Darstellung %2: große Abweichung; berechnet nach der gespeicherten Zahl, über das Kontextmenü oder einen Klick auf die Zahl zur gerenderten wechseln</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差很小（多因字体不同），按存储页数计价</source>
        <translation>Datei speichert %1 Seiten, LibreOffice-Darstellung %2: kleine Abweichung (meist Schriften); berechnet nach der gespeicherten Zahl</translation>
    </message>
    <message>
        <source>按渲染页数计价</source>
        <translation>Nach gerenderter Seitenzahl berechnen</translation>
    </message>
    <message>
        <source>* 页数来自 LibreOffice 渲染；≠ 文件存储页数与渲染页数相差较大，其后为未计价的另一页数</source>
        <translation>* Seitenzahl aus einer LibreOffice-Darstellung; ≠ gespeicherte und gerenderte Seitenzahl weichen stark ab, dahinter die nicht berechnete Zahl</translation>
    </message>
</context>
<context>
    <name>PageLoadingIndicator</name>
    <message>
        <source>正在后台识别页数</source>
        <translation>Seitenzahl wird im Hintergrund ermittelt</translation>
    </message>
    <message>
        <source>%1 彩</source>
        <translation>%1 farb.</translation>
    </message>
</context>
<context>
    <name>PriceSettingsDialog</name>
    <message>
        <source>重命名</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>尚未添加自定义装订方式。</source>
        <translation>Noch keine eigenen Bindearten angelegt.</translation>
    </message>
    <message>
        <source>新增装订方式</source>
        <translation>Bindeart hinzufügen</translation>
    </message>
    <message>
        <source>装订方式名称</source>
        <translation>Name der Bindeart</translation>
    </message>
    <message>
        <source>名称已存在</source>
        <translation>Name bereits vorhanden</translation>
    </message>
    <message>
        <source>请使用其他装订方式名称。</source>
        <translation>Bitte einen anderen Namen für die Bindeart verwenden.</translation>
    </message>
    <message>
        <source>重命名装订方式</source>
        <translation>Bindeart umbenennen</translation>
    </message>
    <message>
        <source>删除装订方式</source>
        <translation>Bindeart löschen</translation>
    </message>
    <message>
        <source>确定删除“%1”吗？相关价格设置也会删除。</source>
        <translation>»%1« löschen? Die zugehörigen Preise werden ebenfalls entfernt.</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>Preiseinstellungen</translation>
    </message>
    <message>
        <source>按纸张尺寸计价</source>
        <translation>Preise nach Papierformat</translation>
    </message>
    <message>
        <source>识别文档尺寸后自动匹配每页单价；未识别的规格使用“其他”。</source>
        <translation>Sobald das Format eines Dokuments erkannt ist, wird der Seitenpreis automatisch zugeordnet; nicht erkannte Formate verwenden »Sonstige«.</translation>
    </message>
    <message>
        <source>地区格式</source>
        <translation>Regionalformat</translation>
    </message>
    <message>
        <source>跟随系统（%1）</source>
        <translation>Systemeinstellung (%1)</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Steuersatz</translation>
    </message>
    <message>
        <source>输入价格已含税</source>
        <translation>Preise inkl. Steuer</translation>
    </message>
    <message>
        <source>商业计价规则</source>
        <translation>Kaufmännische Preisregeln</translation>
    </message>
    <message>
        <source>例如：80 gsm uncoated</source>
        <translation>z. B. 80 g/m² ungestrichen</translation>
    </message>
    <message>
        <source>纸张/克重说明</source>
        <translation>Papier / Grammatur</translation>
    </message>
    <message>
        <source>双面价格系数</source>
        <translation>Faktor für Duplexdruck</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>Einrichtungsgebühr</translation>
    </message>
    <message>
        <source>最低消费</source>
        <translation>Mindestbetrag</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>Auftragsrabatt</translation>
    </message>
    <message>
        <source>数量折扣门槛</source>
        <translation>Mengenrabatt ab</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>Mengenrabatt</translation>
    </message>
    <message>
        <source>金额舍入单位</source>
        <translation>Rundungsschritt</translation>
    </message>
    <message>
        <source>数量按所有文件的份数合计；门槛为 0 表示不启用数量折扣。</source>
        <translation>Die Menge ist die Summe der Exemplare aller Dateien;
Schwelle 0 schaltet den Mengenrabatt ab.</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>Preisprofil</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>Farbe Tintenstrahl</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>Farbe Laser</translation>
    </message>
    <message>
        <source>统一单价</source>
        <translation>Einheitspreis</translation>
    </message>
    <message>
        <source>应用到全部尺寸</source>
        <translation>Auf alle Formate anwenden</translation>
    </message>
    <message>
        <source>每页单价</source>
        <translation>Preis pro Seite</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>装订方式单价（每份）</source>
        <translation>Bindepreis (pro Exemplar)</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>Eckheftung</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>Doppelheftung</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>Rückendrahtheftung</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>Klebebindung</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>Plastikbindung</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>Wire-O-Bindung</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>Spiralbindung</translation>
    </message>
    <message>
        <source>自定义装订方式</source>
        <translation>Eigene Bindearten</translation>
    </message>
    <message>
        <source>报价单商家信息</source>
        <translation>Anbieterangaben für Angebote</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>Steuernummer</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>Kundenname</translation>
    </message>
    <message>
        <source>客户联系方式</source>
        <translation>Kundenkontakt</translation>
    </message>
    <message>
        <source>有效天数</source>
        <translation>Gültigkeit (Tage)</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>Zahlungsbedingungen</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>新增价格角色</source>
        <translation>Preisprofil hinzufügen</translation>
    </message>
    <message>
        <source>角色名称</source>
        <translation>Profilname</translation>
    </message>
    <message>
        <source>请使用其他角色名称。</source>
        <translation>Bitte einen anderen Profilnamen verwenden.</translation>
    </message>
    <message>
        <source>重命名价格角色</source>
        <translation>Preisprofil umbenennen</translation>
    </message>
    <message>
        <source>无法删除</source>
        <translation>Löschen nicht möglich</translation>
    </message>
    <message>
        <source>至少需要保留一个价格角色。</source>
        <translation>Mindestens ein Preisprofil muss erhalten bleiben.</translation>
    </message>
    <message>
        <source>删除价格角色</source>
        <translation>Preisprofil löschen</translation>
    </message>
    <message>
        <source>确定删除“%1”及其全部价格设置吗？</source>
        <translation>»%1« mit allen Preiseinstellungen löschen?</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>Seitenweise berechnen</translation>
    </message>
    <message>
        <source>逐页识别颜色和尺寸：每页按自身尺寸计价，彩色文件中的黑白页按黑白单价计价。手动输入的单价仍然优先。</source>
        <translation>Erkennt Farbe und Format jeder Seite: Jede Seite wird nach ihrem eigenen Format berechnet, die Schwarzweißseiten eines Farbdokuments zum Schwarzweißpreis. Ein von Hand eingegebener Stückpreis hat weiterhin Vorrang.</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryModel</name>
    <message>
        <source>报价编号</source>
        <translation>Angebotsnr.</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryWindow</name>
    <message>
        <source>不限</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>Angebotsverlauf</translation>
    </message>
    <message>
        <source>编号、客户或文件名</source>
        <translation>Nummer, Kunde oder Dateiname</translation>
    </message>
    <message>
        <source>从</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>至</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>导出 Excel</source>
        <translation>Excel exportieren</translation>
    </message>
    <message>
        <source>载入清单</source>
        <translation>In Liste laden</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Löschen</translation>
    </message>
    <message numerus="yes">
        <source>%n 条报价</source>
        <translation>
            <numerusform>%n Angebot</numerusform>
            <numerusform>%n Angebote</numerusform>
        </translation>
    </message>
    <message>
        <source>报价记录无法读取：%1</source>
        <translation>Der Angebotsverlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>无法重新导出</source>
        <translation>Erneuter Export nicht möglich</translation>
    </message>
    <message>
        <source>这条报价记录不含完整明细，只能查看和删除。</source>
        <translation>Dieser Eintrag enthält keine vollständigen Details; er kann nur angesehen und gelöscht werden.</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>PDF-Angebot exportieren</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Excel-Aufstellung exportieren</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>已导出：%1</source>
        <translation>Exportiert: %1</translation>
    </message>
    <message>
        <source>无法载入</source>
        <translation>Laden nicht möglich</translation>
    </message>
    <message>
        <source>删除报价记录</source>
        <translation>Angebot löschen</translation>
    </message>
    <message>
        <source>删除报价 %1？此操作无法撤销。</source>
        <translation>Angebot %1 löschen? Dies kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Löschen fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>ZIP 条目解压失败</source>
        <translation>Entpacken des ZIP-Eintrags fehlgeschlagen</translation>
    </message>
    <message>
        <source>ZIP 条目校验失败</source>
        <translation>Prüfung des ZIP-Eintrags fehlgeschlagen</translation>
    </message>
    <message>
        <source>不支持的 ZIP 压缩算法：%1</source>
        <translation>Nicht unterstützte ZIP-Komprimierungsmethode: %1</translation>
    </message>
    <message>
        <source>ZIP 文件过小或已损坏</source>
        <translation>Die ZIP-Datei ist zu klein oder beschädigt</translation>
    </message>
    <message>
        <source>找不到 ZIP 中央目录</source>
        <translation>Zentralverzeichnis der ZIP-Datei nicht gefunden</translation>
    </message>
    <message>
        <source>ZIP 中央目录已损坏</source>
        <translation>Das Zentralverzeichnis der ZIP-Datei ist beschädigt</translation>
    </message>
    <message>
        <source>ZIP 中不存在条目：%1</source>
        <translation>Eintrag fehlt in der ZIP-Datei: %1</translation>
    </message>
    <message>
        <source>不支持加密的 ZIP 条目</source>
        <translation>Verschlüsselte ZIP-Einträge werden nicht unterstützt</translation>
    </message>
    <message>
        <source>ZIP 本地文件头已损坏</source>
        <translation>Der lokale Dateikopf der ZIP-Datei ist beschädigt</translation>
    </message>
    <message>
        <source>ZIP 条目数据不完整</source>
        <translation>Die Daten des ZIP-Eintrags sind unvollständig</translation>
    </message>
    <message>
        <source>ZIP 条目过大或名称无效</source>
        <translation>Der ZIP-Eintrag ist zu groß oder hat einen ungültigen Namen</translation>
    </message>
    <message>
        <source>ZIP 文件数量过多</source>
        <translation>Die ZIP-Datei enthält zu viele Einträge</translation>
    </message>
</context>
</TS>
