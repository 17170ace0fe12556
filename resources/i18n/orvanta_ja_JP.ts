<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="zh_CN">
<context>
    <name>DocumentAnalyzer</name>
    <message>
        <source>A4 横向</source>
        <translation>A4 横</translation>
    </message>
    <message>
        <source> 横向</source>
        <translation> 横</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>文件识别页数，不可手动修改</source>
        <translation>ファイルから検出したページ数です。手動では変更できません</translation>
    </message>
    <message>
        <source>未能识别文件页数</source>
        <translation>ページ数を検出できませんでした</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>未能读取文档纸张尺寸</source>
        <translation>文書の用紙サイズを読み取れませんでした</translation>
    </message>
    <message>
        <source>文档纸张尺寸：%1</source>
        <translation>文書の用紙サイズ：%1</translation>
    </message>
    <message>
        <source>旧版 DOC 识别受限</source>
        <translation>旧形式 DOC の検出は制限されています</translation>
    </message>
    <message>
        <source>未安装 LibreOffice，且该 DOC 文件没有可用的内置页数。
PDF 和 DOCX 仍可正常使用；如需识别此类旧版 DOC，请安装 LibreOffice。</source>
        <translation>LibreOffice がインストールされておらず、この DOC ファイルには利用できるページ数情報がありません。
PDF と DOCX は引き続き使用できます。このような旧形式の DOC を検出するには、LibreOffice をインストールしてください。</translation>
    </message>
    <message>
        <source>文档页数识别完成</source>
        <translation>ページ数の検出が完了しました</translation>
    </message>
    <message>
        <source>Orvanta v%1 - 文档打印核价</source>
        <translation>Orvanta v%1 - 文書印刷見積</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>言語の切り替え</translation>
    </message>
    <message>
        <source>语言设置已保存，重启软件后生效。是否现在重启？</source>
        <translation>言語設定を保存しました。再起動後に有効になります。今すぐ再起動しますか？</translation>
    </message>
    <message>
        <source>新语言将在下次启动时生效</source>
        <translation>新しい言語は次回起動時に有効になります</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>価格プロファイル</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的颜色</source>
        <translation>リスト内のすべてのファイルのカラーを一括設定します</translation>
    </message>
    <message>
        <source>装订</source>
        <translation>製本</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的装订方式</source>
        <translation>リスト内のすべてのファイルの製本方法を一括設定します</translation>
    </message>
    <message>
        <source>单双面</source>
        <translation>片面/両面</translation>
    </message>
    <message>
        <source>单面</source>
        <translation>片面</translation>
    </message>
    <message>
        <source>双面</source>
        <translation>両面</translation>
    </message>
    <message>
        <source>双面打印时使用当前价格角色的双面价格系数</source>
        <translation>両面印刷では現在の価格プロファイルの両面価格係数を使用します</translation>
    </message>
    <message>
        <source>份数</source>
        <translation>部数</translation>
    </message>
    <message>
        <source>设置所有文件的打印份数</source>
        <translation>すべてのファイルの印刷部数を設定します</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>価格設定</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>文件名称  ▼</source>
        <translation>ファイル名  ▼</translation>
    </message>
    <message>
        <source>页数  ▼</source>
        <translation>ページ数  ▼</translation>
    </message>
    <message>
        <source>尺寸  ▼</source>
        <translation>サイズ  ▼</translation>
    </message>
    <message>
        <source>单价/页</source>
        <translation>単価/ページ</translation>
    </message>
    <message>
        <source>装订方式</source>
        <translation>製本方法</translation>
    </message>
    <message>
        <source>小计</source>
        <translation>小計</translation>
    </message>
    <message>
        <source>合计：</source>
        <translation>合計：</translation>
    </message>
    <message>
        <source>0 个</source>
        <translation>0 ファイル</translation>
    </message>
    <message>
        <source>0 页</source>
        <translation>0 ページ</translation>
    </message>
    <message>
        <source>导出报价单 ▾</source>
        <translation>見積書をエクスポート ▾</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>PDF 見積書をエクスポート</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Excel 明細をエクスポート</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>装订费：%1/份</source>
        <translation>製本料金：%1/部</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n ファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页</source>
        <translation>
            <numerusform>%n ページ</numerusform>
        </translation>
    </message>
    <message>
        <source>商品：%1
起步费：%2
折扣：%3
税前：%4
税额（%5%）：%6</source>
        <translation>商品：%1
基本料金：%2
割引：%3
税抜：%4
税額（%5%）：%6</translation>
    </message>
    <message>
        <source>没有找到支持的 PDF、Word、WPS 或图片文件</source>
        <translation>対応する PDF、Word、WPS、画像ファイルが見つかりません</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>インポート完了</translation>
    </message>
    <message>
        <source>导入了 0 个文件，%1 个不支持的文件未导入</source>
        <translation>インポートしたファイルはありません。対応していない %1 件のファイルはインポートされませんでした</translation>
    </message>
    <message>
        <source>所选文档已在清单中</source>
        <translation>選択した文書はすでにリストにあります</translation>
    </message>
    <message>
        <source>导入了 %1 个文件，%2 个不支持的文件未导入</source>
        <translation>%1 件のファイルをインポートしました。対応していない %2 件のファイルはインポートされませんでした</translation>
    </message>
    <message>
        <source>正在后台识别页数，识别结果不可手动修改</source>
        <translation>バックグラウンドでページ数を検出しています。検出結果は手動で変更できません</translation>
    </message>
    <message>
        <source>正在识别文档纸张尺寸</source>
        <translation>文書の用紙サイズを検出しています</translation>
    </message>
    <message>
        <source>双击可修改份数</source>
        <translation>ダブルクリックで部数を変更</translation>
    </message>
    <message>
        <source>双击可修改单价</source>
        <translation>ダブルクリックで単価を変更</translation>
    </message>
    <message>
        <source>单击可修改颜色</source>
        <translation>クリックでカラーを変更</translation>
    </message>
    <message>
        <source>清单已清空</source>
        <translation>リストをクリアしました</translation>
    </message>
    <message>
        <source>名称：A → Z</source>
        <translation>名前：A → Z</translation>
    </message>
    <message>
        <source>名称：Z → A</source>
        <translation>名前：Z → A</translation>
    </message>
    <message>
        <source>文件格式：A → Z</source>
        <translation>ファイル形式：A → Z</translation>
    </message>
    <message>
        <source>文件格式：Z → A</source>
        <translation>ファイル形式：Z → A</translation>
    </message>
    <message>
        <source>创建时间：新 → 旧</source>
        <translation>作成日時：新 → 旧</translation>
    </message>
    <message>
        <source>创建时间：旧 → 新</source>
        <translation>作成日時：旧 → 新</translation>
    </message>
    <message>
        <source>文件大小：大 → 小</source>
        <translation>ファイルサイズ：大 → 小</translation>
    </message>
    <message>
        <source>文件大小：小 → 大</source>
        <translation>ファイルサイズ：小 → 大</translation>
    </message>
    <message>
        <source>页数：升序</source>
        <translation>ページ数：昇順</translation>
    </message>
    <message>
        <source>页数：降序</source>
        <translation>ページ数：降順</translation>
    </message>
    <message>
        <source>尺寸：升序（小 → 大）</source>
        <translation>サイズ：昇順（小 → 大）</translation>
    </message>
    <message>
        <source>尺寸：降序（大 → 小）</source>
        <translation>サイズ：降順（大 → 小）</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>インクジェットカラー</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>レーザーカラー</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>コーナーホチキス</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>2 か所ホチキス</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>中綴じ</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>無線綴じ</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>くし綴じ</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>ワイヤー綴じ</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>コイル綴じ</translation>
    </message>
    <message>
        <source>无装订</source>
        <translation>製本なし</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>データベース エラー</translation>
    </message>
    <message>
        <source>数据库升级失败</source>
        <translation>データベースのアップグレードに失敗しました</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>价格设置读取失败，本次运行不会保存价格设置。
%1</source>
        <translation>価格設定を読み込めませんでした。今回の実行中は価格設定を保存しません。
%1</translation>
    </message>
    <message>
        <source>价格设置未写入，原有数据已保留。
%1</source>
        <translation>価格設定は保存されませんでした。既存のデータは保持されています。
%1</translation>
    </message>
    <message>
        <source>数据库不可用，价格设置未保存。</source>
        <translation>データベースを利用できないため、価格設定は保存されませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>正在后台识别页数，还剩 %n 个文档…</source>
        <translation>
            <numerusform>バックグラウンドでページ数を認識中、残り %n 件…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已添加 %n 个文档，正在后台识别页数…</source>
        <translation>
            <numerusform>%n 件の文書を追加しました。バックグラウンドでページ数を認識中…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已从清单中移除 %n 个文档</source>
        <translation>
            <numerusform>%n 件の文書をリストから削除しました</numerusform>
        </translation>
    </message>
    <message>
        <source>/打印报价单_%1.pdf</source>
        <translation>/印刷見積書_%1.pdf</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>PDF 报价单已导出：%1</source>
        <translation>PDF 見積書を書き出しました：%1</translation>
    </message>
    <message>
        <source>无法写入 PDF 报价单：%1
%2</source>
        <translation>PDF 見積書を書き込めませんでした：%1
%2</translation>
    </message>
    <message>
        <source>无法生成 PDF 页面</source>
        <translation>PDF ページを生成できませんでした</translation>
    </message>
    <message>
        <source>%1（%2/份）</source>
        <translation>%1（%2/部）</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>税番号</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>顧客</translation>
    </message>
    <message>
        <source>报价编号：%1&lt;br&gt;价格角色：%2&lt;br&gt;报价日期：%3&lt;br&gt;有效期至：%4&lt;br&gt;币种：%5&lt;br&gt;打印方式：%6</source>
        <translation>見積番号：%1&lt;br&gt;価格プロファイル：%2&lt;br&gt;見積日：%3&lt;br&gt;有効期限：%4&lt;br&gt;通貨：%5&lt;br&gt;印刷方式：%6</translation>
    </message>
    <message>
        <source>纸张/克重：%1</source>
        <translation>用紙/坪量：%1</translation>
    </message>
    <message>
        <source>/核价明细_%1.xlsx</source>
        <translation>/価格明細_%1.xlsx</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel ブック (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>エクスポートに失敗しました</translation>
    </message>
    <message>
        <source>Excel 明细已导出：%1</source>
        <translation>Excel 明細をエクスポートしました：%1</translation>
    </message>
    <message>
        <source>Excel 工作表内容生成失败。</source>
        <translation>Excel ワークシートの内容を生成できませんでした。</translation>
    </message>
    <message>
        <source>无法写入 Excel 文件：%1</source>
        <translation>Excel ファイルを書き込めません：%1</translation>
    </message>
    <message>
        <source>打印核价明细</source>
        <translation>印刷価格明細</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>税率</translation>
    </message>
    <message>
        <source>含税合计</source>
        <translation>税込合計</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>会社名</translation>
    </message>
    <message>
        <source>纸张/克重</source>
        <translation>用紙/坪量</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>印刷方式</translation>
    </message>
    <message>
        <source>有效期至</source>
        <translation>有効期限</translation>
    </message>
    <message>
        <source>文件名称</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>ページ数</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>商品金额：%1&lt;br&gt;起步费：%2&lt;br&gt;数量折扣：−%3&lt;br&gt;整单折扣：−%4&lt;br&gt;税前金额：%5&lt;br&gt;税额（%6%）：%7&lt;br&gt;&lt;strong&gt;合计：%8&lt;/strong&gt;</source>
        <translation>商品金額：%1&lt;br&gt;基本料金：%2&lt;br&gt;数量割引：−%3&lt;br&gt;見積割引：−%4&lt;br&gt;税抜金額：%5&lt;br&gt;税額（%6%）：%7&lt;br&gt;&lt;strong&gt;合計：%8&lt;/strong&gt;</translation>
    </message>
    <message>
        <source>以上价格已含税</source>
        <translation>上記価格は税込です</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>支払条件</translation>
    </message>
    <message>
        <source>本报价由 Orvanta 生成，最终价格以实际生产确认为准。</source>
        <translation>この見積書は Orvanta で作成されました。最終価格は実際の製作時に確定します。</translation>
    </message>
    <message>
        <source>文档打印报价单</source>
        <translation>文書印刷見積書</translation>
    </message>
    <message>
        <source>装订费</source>
        <translation>製本料金</translation>
    </message>
    <message>
        <source>商品金额</source>
        <translation>商品金額</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>基本料金</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>数量割引</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>見積割引</translation>
    </message>
    <message>
        <source>税前金额</source>
        <translation>税抜金額</translation>
    </message>
    <message>
        <source>把文档、图片或文件夹拖到这里即可开始
支持 PDF、Word（DOC、DOCX）、WPS 文档和 JPG、PNG、BMP、GIF、WebP、TIFF 图片</source>
        <translation>文書、画像、フォルダーをここにドラッグすると開始します
対応形式：PDF、Word（DOC、DOCX）、WPS 文書と JPG、PNG、BMP、GIF、WebP、TIFF 画像</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件设为%1</source>
        <translation>
            <numerusform>%n 件のファイルを%1に設定しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的装订方式设为%1</source>
        <translation>
            <numerusform>%n 件のファイルの製本方法を%1に設定しました</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置份数</source>
        <translation>部数の一括設定</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少份？</source>
        <translation>
            <numerusform>選択した %n 件のファイルを何部にしますか？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的份数设为 %1</source>
        <translation>
            <numerusform>%n 件のファイルの部数を %1 に設定しました</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置单价</source>
        <translation>単価の一括設定</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少 %1？</source>
        <translation>
            <numerusform>選択した %n 件のファイルの単価を何 %1 にしますか？</numerusform>
        </translation>
    </message>
    <message>
        <source>输入无效</source>
        <translation>入力が無効です</translation>
    </message>
    <message>
        <source>请输入 0 到 9999 之间的有效金额。</source>
        <translation>0 から 9999 までの有効な金額を入力してください。</translation>
    </message>
    <message numerus="yes">
        <source>已设置 %n 个文件的单价</source>
        <translation>
            <numerusform>%n 件のファイルの単価を設定しました</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>打开文件所在位置</source>
        <translation>フォルダーで表示</translation>
    </message>
    <message>
        <source>份数…</source>
        <translation>部数…</translation>
    </message>
    <message>
        <source>单价…</source>
        <translation>単価…</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>リストから削除</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>无法使用电脑默认软件打开该文件：
%1</source>
        <translation>このファイルを既定のアプリで開けません：
%1</translation>
    </message>
    <message>
        <source>无法定位文件</source>
        <translation>ファイルの場所を開けません</translation>
    </message>
    <message>
        <source>无法打开文件所在位置：
%1</source>
        <translation>このファイルのフォルダーを開けません：
%1</translation>
    </message>
    <message>
        <source>税额</source>
        <translation>税額</translation>
    </message>
    <message>
        <source>价格设置已保存</source>
        <translation>価格設定を保存しました。</translation>
    </message>
    <message>
        <source>按页计价：每页按其尺寸和颜色计价</source>
        <translation>ページ単位の価格：各ページをそのサイズと色で計算</translation>
    </message>
    <message>
        <source>彩色页 %1 · %2</source>
        <translation>カラーページ %1 · %2</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>ページ単位の価格</translation>
    </message>
    <message>
        <source>按页明细</source>
        <translation>ページ内訳</translation>
    </message>
    <message>
        <source>页数由备用 PDF 阅读器识别，不可手动修改</source>
        <translation>ページ数は予備の PDF リーダーで認識されました（編集不可）</translation>
    </message>
    <message>
        <source>正在分析每页颜色和尺寸 %1/%2</source>
        <translation>各ページの色とサイズを分析中 %1/%2</translation>
    </message>
    <message>
        <source>没有逐页的颜色和尺寸信息</source>
        <translation>ページごとの色とサイズの情報はありません</translation>
    </message>
    <message>
        <source>彩色 %1 页，黑白 %2 页
各尺寸页数：%3</source>
        <translation>カラー %1 ページ、白黒 %2 ページ
サイズ別ページ数：%3</translation>
    </message>
    <message>
        <source>按页计价：每页平均单价，双击可修改</source>
        <translation>ページ単位で計算：1 ページあたりの平均単価（ダブルクリックで変更）</translation>
    </message>
    <message>
        <source>页数为估计值：文件已损坏，按其中的页面对象计数</source>
        <translation>推定ページ数：ファイルが破損しているため、ページオブジェクトを数えました</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>顧客名</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>見積履歴</translation>
    </message>
    <message>
        <source>%1；报价记录未保存：%2</source>
        <translation>%1。見積履歴に保存できませんでした：%2</translation>
    </message>
    <message>
        <source>部分文件已不存在</source>
        <translation>一部のファイルがありません</translation>
    </message>
    <message>
        <source>以下文件已不存在，未载入（其金额仍保存在报价记录中）：
%1</source>
        <translation>次のファイルは存在しないため読み込みませんでした（金額は見積履歴に残ります）：
%1</translation>
    </message>
    <message>
        <source>数据库不可用</source>
        <translation>データベースを使用できません</translation>
    </message>
    <message>
        <source>按页计价的金额要等每页的颜色和尺寸检查完才确定</source>
        <translation>ページ単位の料金は、各ページの色とサイズの確認が終わるまで確定しません</translation>
    </message>
    <message>
        <source>暂不能导出</source>
        <translation>まだエクスポートできません</translation>
    </message>
    <message numerus="yes">
        <source>当前价格角色按页计价，还有 %n 个文档正在检查每页的颜色和尺寸，检查完成前的金额不是最终金额。请等底部的“暂估”消失后再导出。</source>
        <translation>
            <numerusform>現在の価格プロファイルはページ単位で計算します。%n 件の文書でページの色とサイズを確認中のため、金額はまだ確定していません。下部の「暫定」が消えてからエクスポートしてください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>暂估，%n 个文档仍在检查</source>
        <translation>
            <numerusform>暫定、%n 件の文書を確認中</numerusform>
        </translation>
    </message>
    <message>
        <source>检查页面的辅助进程崩溃了</source>
        <translation>ページを確認する補助プロセスがクラッシュしました</translation>
    </message>
    <message>
        <source>检查页面的辅助进程超出了内存上限</source>
        <translation>ページを確認する補助プロセスがメモリ上限を超えました</translation>
    </message>
    <message>
        <source>检查页面超过了时间上限</source>
        <translation>ページの確認が制限時間を超えました</translation>
    </message>
    <message>
        <source>页面详情不可用：%1（已单独重试一次），本行按整份文档计价</source>
        <translation>ページ詳細を取得できません：%1（単独で 1 回再試行済み）。この行は文書全体で計算されます</translation>
    </message>
    <message>
        <source>页面详情不可用</source>
        <translation>ページ詳細を取得できません</translation>
    </message>
    <message>
        <source>页面详情不可用：%1，其他文档检查完后会单独再试一次</source>
        <translation>ページ詳細を取得できません：%1。ほかの文書の確認後に単独でもう 1 回試します</translation>
    </message>
    <message numerus="yes">
        <source>正在渲染 %n 个 Word 文件</source>
        <translation>
            <numerusform>%n 個の Word ファイルをレンダリング中</numerusform>
        </translation>
    </message>
    <message>
        <source>按文件存储页数计价：%1 页</source>
        <translation>保存されたページ数で計算：%1 ページ</translation>
    </message>
    <message>
        <source>按渲染页数计价：%1 页</source>
        <translation>レンダリングのページ数で計算：%1 ページ</translation>
    </message>
    <message>
        <source>LibreOffice 无法打开此文件（文件损坏、受密码保护或格式不支持）</source>
        <translation>LibreOffice でこのファイルを開けません（破損、パスワード保護、または非対応の形式）</translation>
    </message>
    <message>
        <source>LibreOffice 渲染此文件时卡住或崩溃</source>
        <translation>LibreOffice がこのファイルのレンダリング中に停止またはクラッシュしました</translation>
    </message>
    <message>
        <source>LibreOffice 渲染结果没有页面</source>
        <translation>LibreOffice のレンダリング結果にページがありません</translation>
    </message>
    <message>
        <source>%1；未用渲染页数：%2</source>
        <translation>%1；レンダリングのページ数は未使用：%2</translation>
    </message>
    <message>
        <source>页数来自 LibreOffice 渲染（文件未存储页数），不可手动修改</source>
        <translation>ページ数は LibreOffice のレンダリングによるもの（ファイルに保存なし）。手動で変更できません</translation>
    </message>
    <message>
        <source>文件存储页数与 LibreOffice 渲染页数一致，不可手动修改</source>
        <translation>保存されたページ数は LibreOffice のレンダリングと一致。手動で変更できません</translation>
    </message>
    <message>
        <source>按 LibreOffice 渲染页数 %2 计价（文件存储 %1 页），可在右键菜单或点击页数改回存储页数</source>
        <translation>LibreOffice のレンダリングの %2 ページで計算（ファイルの保存値 %1 ページ）。右クリックメニューまたはページ数のクリックで保存値に戻せます</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差较大；按存储页数计价，可在右键菜单或点击页数改用渲染页数</source>
        <translation>ファイルの保存値 %1 ページ、LibreOffice のレンダリング %2 ページで大きく異なります。保存値で計算中。右クリックメニューまたはページ数のクリックでレンダリング値に切り替えられます</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差很小（多因字体不同），按存储页数计价</source>
        <translation>ファイルの保存値 %1 ページ、LibreOffice のレンダリング %2 ページ。差はわずか（主にフォントの違い）。保存値で計算</translation>
    </message>
    <message>
        <source>按渲染页数计价</source>
        <translation>レンダリングのページ数で計算</translation>
    </message>
    <message>
        <source>* 页数来自 LibreOffice 渲染；≠ 文件存储页数与渲染页数相差较大，其后为未计价的另一页数</source>
        <translation>* ページ数は LibreOffice のレンダリングによる；≠ 保存値とレンダリング値が大きく異なる（後ろは計算に使っていない方の値）</translation>
    </message>
</context>
<context>
    <name>PageLoadingIndicator</name>
    <message>
        <source>正在后台识别页数</source>
        <translation>バックグラウンドでページ数を検出中</translation>
    </message>
    <message>
        <source>%1 彩</source>
        <translation>%1 カラー</translation>
    </message>
</context>
<context>
    <name>PriceSettingsDialog</name>
    <message>
        <source>重命名</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>尚未添加自定义装订方式。</source>
        <translation>カスタム製本方法はまだありません。</translation>
    </message>
    <message>
        <source>新增装订方式</source>
        <translation>製本方法を追加</translation>
    </message>
    <message>
        <source>装订方式名称</source>
        <translation>製本方法の名前</translation>
    </message>
    <message>
        <source>名称已存在</source>
        <translation>名前が既に存在します</translation>
    </message>
    <message>
        <source>请使用其他装订方式名称。</source>
        <translation>別の製本方法名を使用してください。</translation>
    </message>
    <message>
        <source>重命名装订方式</source>
        <translation>製本方法の名前を変更</translation>
    </message>
    <message>
        <source>删除装订方式</source>
        <translation>製本方法を削除</translation>
    </message>
    <message>
        <source>确定删除“%1”吗？相关价格设置也会删除。</source>
        <translation>「%1」を削除しますか？関連する価格設定も削除されます。</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>価格設定</translation>
    </message>
    <message>
        <source>按纸张尺寸计价</source>
        <translation>用紙サイズ別の価格</translation>
    </message>
    <message>
        <source>识别文档尺寸后自动匹配每页单价；未识别的规格使用“其他”。</source>
        <translation>文書のサイズを検出すると 1 ページあたりの単価が自動で適用されます。認識できないサイズには「その他」が使われます。</translation>
    </message>
    <message>
        <source>地区格式</source>
        <translation>地域の書式</translation>
    </message>
    <message>
        <source>跟随系统（%1）</source>
        <translation>システムに従う（%1）</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>通貨</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>税率</translation>
    </message>
    <message>
        <source>输入价格已含税</source>
        <translation>入力価格は税込み</translation>
    </message>
    <message>
        <source>商业计价规则</source>
        <translation>取引上の価格ルール</translation>
    </message>
    <message>
        <source>例如：80 gsm uncoated</source>
        <translation>例：80 gsm 非塗工紙</translation>
    </message>
    <message>
        <source>纸张/克重说明</source>
        <translation>用紙／坪量の説明</translation>
    </message>
    <message>
        <source>双面价格系数</source>
        <translation>両面印刷の価格係数</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>基本料金</translation>
    </message>
    <message>
        <source>最低消费</source>
        <translation>最低料金</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>見積全体の割引</translation>
    </message>
    <message>
        <source>数量折扣门槛</source>
        <translation>数量割引の基準</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>数量割引</translation>
    </message>
    <message>
        <source>金额舍入单位</source>
        <translation>金額の丸め単位</translation>
    </message>
    <message>
        <source>数量按所有文件的份数合计；门槛为 0 表示不启用数量折扣。</source>
        <translation>数量は全ファイルの部数の合計です。
基準が 0 の場合、数量割引は適用されません。</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>価格プロファイル</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>インクジェットカラー</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>レーザーカラー</translation>
    </message>
    <message>
        <source>统一单价</source>
        <translation>一括単価</translation>
    </message>
    <message>
        <source>应用到全部尺寸</source>
        <translation>全サイズに適用</translation>
    </message>
    <message>
        <source>每页单价</source>
        <translation>1 ページあたりの単価</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>装订方式单价（每份）</source>
        <translation>製本単価（1 部あたり）</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>コーナーホチキス</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>2 か所ホチキス</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>中綴じ</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>無線綴じ</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>くし綴じ</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>ワイヤー綴じ</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>コイル綴じ</translation>
    </message>
    <message>
        <source>自定义装订方式</source>
        <translation>カスタム製本方法</translation>
    </message>
    <message>
        <source>报价单商家信息</source>
        <translation>見積書の販売者情報</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>会社名</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>登録番号</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>住所</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>顧客名</translation>
    </message>
    <message>
        <source>客户联系方式</source>
        <translation>顧客の連絡先</translation>
    </message>
    <message>
        <source>有效天数</source>
        <translation>有効日数</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>支払条件</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>設定を保存</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>新增价格角色</source>
        <translation>価格プロファイルを追加</translation>
    </message>
    <message>
        <source>角色名称</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>请使用其他角色名称。</source>
        <translation>別のプロファイル名を使用してください。</translation>
    </message>
    <message>
        <source>重命名价格角色</source>
        <translation>価格プロファイルの名前を変更</translation>
    </message>
    <message>
        <source>无法删除</source>
        <translation>削除できません</translation>
    </message>
    <message>
        <source>至少需要保留一个价格角色。</source>
        <translation>価格プロファイルは少なくとも 1 つ必要です。</translation>
    </message>
    <message>
        <source>删除价格角色</source>
        <translation>価格プロファイルを削除</translation>
    </message>
    <message>
        <source>确定删除“%1”及其全部价格设置吗？</source>
        <translation>「%1」とそのすべての価格設定を削除しますか？</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>ページ単位で計算</translation>
    </message>
    <message>
        <source>逐页识别颜色和尺寸：每页按自身尺寸计价，彩色文件中的黑白页按黑白单价计价。手动输入的单价仍然优先。</source>
        <translation>ページごとに色とサイズを認識します。各ページはそれぞれのサイズで計算され、カラー文書の白黒ページは白黒単価で計算されます。手入力した単価が引き続き優先されます。</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryModel</name>
    <message>
        <source>报价编号</source>
        <translation>見積番号</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>顧客</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>合計</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryWindow</name>
    <message>
        <source>不限</source>
        <translation>指定なし</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>見積履歴</translation>
    </message>
    <message>
        <source>编号、客户或文件名</source>
        <translation>番号・顧客・ファイル名</translation>
    </message>
    <message>
        <source>从</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>至</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>PDF 出力</translation>
    </message>
    <message>
        <source>导出 Excel</source>
        <translation>Excel 出力</translation>
    </message>
    <message>
        <source>载入清单</source>
        <translation>リストに読み込む</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>削除</translation>
    </message>
    <message numerus="yes">
        <source>%n 条报价</source>
        <translation>
            <numerusform>%n 件の見積</numerusform>
        </translation>
    </message>
    <message>
        <source>报价记录无法读取：%1</source>
        <translation>見積履歴を読み込めません：%1</translation>
    </message>
    <message>
        <source>无法重新导出</source>
        <translation>再出力できません</translation>
    </message>
    <message>
        <source>这条报价记录不含完整明细，只能查看和删除。</source>
        <translation>この見積記録には完全な明細がないため、表示と削除のみできます。</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>PDF 見積書を出力</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Excel 明細を出力</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel ブック (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>出力に失敗しました</translation>
    </message>
    <message>
        <source>已导出：%1</source>
        <translation>出力しました：%1</translation>
    </message>
    <message>
        <source>无法载入</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>删除报价记录</source>
        <translation>見積記録を削除</translation>
    </message>
    <message>
        <source>删除报价 %1？此操作无法撤销。</source>
        <translation>見積 %1 を削除しますか？元に戻せません。</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>削除に失敗しました</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>ZIP 条目解压失败</source>
        <translation>ZIP エントリの展開に失敗しました</translation>
    </message>
    <message>
        <source>ZIP 条目校验失败</source>
        <translation>ZIP エントリの検証に失敗しました</translation>
    </message>
    <message>
        <source>不支持的 ZIP 压缩算法：%1</source>
        <translation>サポートされていない ZIP 圧縮方式：%1</translation>
    </message>
    <message>
        <source>ZIP 文件过小或已损坏</source>
        <translation>ZIP ファイルが小さすぎるか破損しています</translation>
    </message>
    <message>
        <source>找不到 ZIP 中央目录</source>
        <translation>ZIP のセントラルディレクトリが見つかりません</translation>
    </message>
    <message>
        <source>ZIP 中央目录已损坏</source>
        <translation>ZIP のセントラルディレクトリが破損しています</translation>
    </message>
    <message>
        <source>ZIP 中不存在条目：%1</source>
        <translation>ZIP 内にエントリがありません：%1</translation>
    </message>
    <message>
        <source>不支持加密的 ZIP 条目</source>
        <translation>暗号化された ZIP エントリには対応していません</translation>
    </message>
    <message>
        <source>ZIP 本地文件头已损坏</source>
        <translation>ZIP のローカルファイルヘッダーが破損しています</translation>
    </message>
    <message>
        <source>ZIP 条目数据不完整</source>
        <translation>ZIP エントリのデータが不完全です</translation>
    </message>
    <message>
        <source>ZIP 条目过大或名称无效</source>
        <translation>ZIP エントリが大きすぎるか、名前が無効です</translation>
    </message>
    <message>
        <source>ZIP 文件数量过多</source>
        <translation>ZIP ファイルのエントリが多すぎます</translation>
    </message>
</context>
</TS>
