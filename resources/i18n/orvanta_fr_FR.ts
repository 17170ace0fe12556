<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="zh_CN">
<context>
    <name>DocumentAnalyzer</name>
    <message>
        <source>A4 横向</source>
        <translation>A4 paysage</translation>
    </message>
    <message>
        <source> 横向</source>
        <translation> paysage</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>文件识别页数，不可手动修改</source>
        <translation>Nombre de pages détecté dans le fichier&#xa0;; non modifiable manuellement</translation>
    </message>
    <message>
        <source>未能识别文件页数</source>
        <translation>Impossible de détecter le nombre de pages</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>未能读取文档纸张尺寸</source>
        <translation>Impossible de lire le format de papier du document</translation>
    </message>
    <message>
        <source>文档纸张尺寸：%1</source>
        <translation>Format de papier du document&#xa0;: %1</translation>
    </message>
    <message>
        <source>旧版 DOC 识别受限</source>
        <translation>Prise en charge limitée des anciens fichiers DOC</translation>
    </message>
    <message>
        <source>未安装 LibreOffice，且该 DOC 文件没有可用的内置页数。
PDF 和 DOCX 仍可正常使用；如需识别此类旧版 DOC，请安装 LibreOffice。</source>
        <translation>LibreOffice n’est pas installé et ce fichier DOC ne contient pas de nombre de pages intégré.
Les fichiers PDF et DOCX fonctionnent toujours normalement&#xa0;; pour analyser ces anciens fichiers DOC, installez LibreOffice.</translation>
    </message>
    <message>
        <source>文档页数识别完成</source>
        <translation>Détection du nombre de pages terminée</translation>
    </message>
    <message>
        <source>Orvanta v%1 - 文档打印核价</source>
        <translation>Orvanta v%1 - Tarification d’impression de documents</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Changer de langue</translation>
    </message>
    <message>
        <source>语言设置已保存，重启软件后生效。是否现在重启？</source>
        <translation>Le paramètre de langue a été enregistré et prendra effet après un redémarrage. Redémarrer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>新语言将在下次启动时生效</source>
        <translation>La nouvelle langue sera appliquée au prochain démarrage</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>Profil de prix</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的颜色</source>
        <translation>Définir la couleur de tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>装订</source>
        <translation>Reliure</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的装订方式</source>
        <translation>Définir la reliure de tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>单双面</source>
        <translation>Recto/verso</translation>
    </message>
    <message>
        <source>单面</source>
        <translation>Recto</translation>
    </message>
    <message>
        <source>双面</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>双面打印时使用当前价格角色的双面价格系数</source>
        <translation>L’impression recto verso applique le coefficient de prix recto verso du profil de prix actuel</translation>
    </message>
    <message>
        <source>份数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>设置所有文件的打印份数</source>
        <translation>Définir le nombre de copies de tous les fichiers</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>Tarifs</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>文件名称  ▼</source>
        <translation>Nom du fichier  ▼</translation>
    </message>
    <message>
        <source>页数  ▼</source>
        <translation>Pages  ▼</translation>
    </message>
    <message>
        <source>尺寸  ▼</source>
        <translation>Format  ▼</translation>
    </message>
    <message>
        <source>单价/页</source>
        <translation>Prix/page</translation>
    </message>
    <message>
        <source>装订方式</source>
        <translation>Reliure</translation>
    </message>
    <message>
        <source>小计</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>合计：</source>
        <translation>Total&#xa0;:</translation>
    </message>
    <message>
        <source>0 个</source>
        <translation>0 fichier</translation>
    </message>
    <message>
        <source>0 页</source>
        <translation>0 page</translation>
    </message>
    <message>
        <source>导出报价单 ▾</source>
        <translation>Exporter le devis ▾</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>Exporter le devis en PDF</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Exporter le détail Excel</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>装订费：%1/份</source>
        <translation>Frais de reliure&#xa0;: %1 par copie</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
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
        <translation>Articles&#xa0;: %1
Frais de mise en route&#xa0;: %2
Remises&#xa0;: %3
Hors taxes&#xa0;: %4
Taxe (%5 %)&#xa0;: %6</translation>
    </message>
    <message>
        <source>没有找到支持的 PDF、Word、WPS 或图片文件</source>
        <translation>Aucun fichier PDF, Word, WPS ou image pris en charge trouvé</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>导入了 0 个文件，%1 个不支持的文件未导入</source>
        <translation>Aucun fichier importé&#xa0;; fichiers non pris en charge ignorés&#xa0;: %1</translation>
    </message>
    <message>
        <source>所选文档已在清单中</source>
        <translation>Les documents sélectionnés figurent déjà dans la liste</translation>
    </message>
    <message>
        <source>导入了 %1 个文件，%2 个不支持的文件未导入</source>
        <translation>Fichiers importés&#xa0;: %1&#xa0;; fichiers non pris en charge ignorés&#xa0;: %2</translation>
    </message>
    <message>
        <source>正在后台识别页数，识别结果不可手动修改</source>
        <translation>Détection du nombre de pages en arrière-plan&#xa0;; le résultat n’est pas modifiable manuellement</translation>
    </message>
    <message>
        <source>正在识别文档纸张尺寸</source>
        <translation>Détection du format de papier du document</translation>
    </message>
    <message>
        <source>双击可修改份数</source>
        <translation>Double-cliquez pour modifier le nombre de copies</translation>
    </message>
    <message>
        <source>双击可修改单价</source>
        <translation>Double-cliquez pour modifier le prix unitaire</translation>
    </message>
    <message>
        <source>单击可修改颜色</source>
        <translation>Cliquez pour modifier la couleur</translation>
    </message>
    <message>
        <source>清单已清空</source>
        <translation>La liste a été vidée</translation>
    </message>
    <message>
        <source>名称：A → Z</source>
        <translation>Nom&#xa0;: A → Z</translation>
    </message>
    <message>
        <source>名称：Z → A</source>
        <translation>Nom&#xa0;: Z → A</translation>
    </message>
    <message>
        <source>文件格式：A → Z</source>
        <translation>Type de fichier&#xa0;: A → Z</translation>
    </message>
    <message>
        <source>文件格式：Z → A</source>
        <translation>Type de fichier&#xa0;: Z → A</translation>
    </message>
    <message>
        <source>创建时间：新 → 旧</source>
        <translation>Date de création&#xa0;: récent → ancien</translation>
    </message>
    <message>
        <source>创建时间：旧 → 新</source>
        <translation>Date de création&#xa0;: ancien → récent</translation>
    </message>
    <message>
        <source>文件大小：大 → 小</source>
        <translation>Taille du fichier&#xa0;: grand → petit</translation>
    </message>
    <message>
        <source>文件大小：小 → 大</source>
        <translation>Taille du fichier&#xa0;: petit → grand</translation>
    </message>
    <message>
        <source>页数：升序</source>
        <translation>Pages&#xa0;: croissant</translation>
    </message>
    <message>
        <source>页数：降序</source>
        <translation>Pages&#xa0;: décroissant</translation>
    </message>
    <message>
        <source>尺寸：升序（小 → 大）</source>
        <translation>Format&#xa0;: croissant (petit → grand)</translation>
    </message>
    <message>
        <source>尺寸：降序（大 → 小）</source>
        <translation>Format&#xa0;: décroissant (grand → petit)</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>Couleur jet d’encre</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>Couleur laser</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>Agrafe en coin</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>Deux agrafes</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>Piqûre à cheval</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>Dos carré collé</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>Reliure peigne</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>Reliure Wire-O</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>Reliure spirale</translation>
    </message>
    <message>
        <source>无装订</source>
        <translation>Sans reliure</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>数据库升级失败</source>
        <translation>Échec de la mise à niveau de la base de données</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Échec de l’enregistrement</translation>
    </message>
    <message>
        <source>价格设置读取失败，本次运行不会保存价格设置。
%1</source>
        <translation>Impossible de lire les paramètres de prix&#xa0;; ils ne seront pas enregistrés pendant cette session.
%1</translation>
    </message>
    <message>
        <source>价格设置未写入，原有数据已保留。
%1</source>
        <translation>Les paramètres de prix n’ont pas été enregistrés&#xa0;; les données existantes ont été conservées.
%1</translation>
    </message>
    <message>
        <source>数据库不可用，价格设置未保存。</source>
        <translation>La base de données est indisponible&#xa0;; les paramètres de prix n’ont pas été enregistrés.</translation>
    </message>
    <message numerus="yes">
        <source>正在后台识别页数，还剩 %n 个文档…</source>
        <translation>
            <numerusform>Détection des pages en arrière-plan, encore %n document…</numerusform>
            <numerusform>Détection des pages en arrière-plan, encore %n documents…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已添加 %n 个文档，正在后台识别页数…</source>
        <translation>
            <numerusform>%n document ajouté, détection des pages en arrière-plan…</numerusform>
            <numerusform>%n documents ajoutés, détection des pages en arrière-plan…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已从清单中移除 %n 个文档</source>
        <translation>
            <numerusform>%n document retiré de la liste</numerusform>
            <numerusform>%n documents retirés de la liste</numerusform>
        </translation>
    </message>
    <message>
        <source>/打印报价单_%1.pdf</source>
        <translation>/devis_impression_%1.pdf</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF 报价单已导出：%1</source>
        <translation>Devis PDF exporté : %1</translation>
    </message>
    <message>
        <source>/核价明细_%1.xlsx</source>
        <translation>/Détail des prix_%1.xlsx</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>无法写入 PDF 报价单：%1
%2</source>
        <translation>Impossible d&apos;écrire le devis PDF : %1
%2</translation>
    </message>
    <message>
        <source>无法生成 PDF 页面</source>
        <translation>Aucune page PDF n&apos;a pu être produite</translation>
    </message>
    <message>
        <source>%1（%2/份）</source>
        <translation>%1 (%2/exemplaire)</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>N° fiscal</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>报价编号：%1&lt;br&gt;价格角色：%2&lt;br&gt;报价日期：%3&lt;br&gt;有效期至：%4&lt;br&gt;币种：%5&lt;br&gt;打印方式：%6</source>
        <translation>N° de devis : %1&lt;br&gt;Profil de prix : %2&lt;br&gt;Date du devis : %3&lt;br&gt;Valable jusqu&apos;au : %4&lt;br&gt;Devise : %5&lt;br&gt;Mode d&apos;impression : %6</translation>
    </message>
    <message>
        <source>纸张/克重：%1</source>
        <translation>Papier/grammage : %1</translation>
    </message>
    <message>
        <source>Excel 明细已导出：%1</source>
        <translation>Détail Excel exporté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Excel 工作表内容生成失败。</source>
        <translation>La génération du contenu de la feuille Excel a échoué.</translation>
    </message>
    <message>
        <source>无法写入 Excel 文件：%1</source>
        <translation>Impossible d&apos;écrire le fichier Excel&#xa0;: %1</translation>
    </message>
    <message>
        <source>打印核价明细</source>
        <translation>Détail des prix d&apos;impression</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>含税合计</source>
        <translation>Total TTC</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Nom de l&apos;entreprise</translation>
    </message>
    <message>
        <source>纸张/克重</source>
        <translation>Papier/grammage</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>Mode d&apos;impression</translation>
    </message>
    <message>
        <source>有效期至</source>
        <translation>Valable jusqu&apos;au</translation>
    </message>
    <message>
        <source>文件名称</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>商品金额：%1&lt;br&gt;起步费：%2&lt;br&gt;数量折扣：−%3&lt;br&gt;整单折扣：−%4&lt;br&gt;税前金额：%5&lt;br&gt;税额（%6%）：%7&lt;br&gt;&lt;strong&gt;合计：%8&lt;/strong&gt;</source>
        <translation>Articles : %1&lt;br&gt;Frais de mise en route : %2&lt;br&gt;Remise sur quantité : −%3&lt;br&gt;Remise sur devis : −%4&lt;br&gt;Hors taxes : %5&lt;br&gt;Taxe (%6 %) : %7&lt;br&gt;&lt;strong&gt;Total : %8&lt;/strong&gt;</translation>
    </message>
    <message>
        <source>以上价格已含税</source>
        <translation>Les prix ci-dessus incluent les taxes</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>Conditions de paiement</translation>
    </message>
    <message>
        <source>本报价由 Orvanta 生成，最终价格以实际生产确认为准。</source>
        <translation>Ce devis a été généré par Orvanta ; le prix final sera confirmé lors de la production.</translation>
    </message>
    <message>
        <source>文档打印报价单</source>
        <translation>Devis d&apos;impression de documents</translation>
    </message>
    <message>
        <source>装订费</source>
        <translation>Frais de reliure</translation>
    </message>
    <message>
        <source>商品金额</source>
        <translation>Articles</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>Frais de mise en route</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>Remise sur quantité</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>Remise sur le devis</translation>
    </message>
    <message>
        <source>税前金额</source>
        <translation>Montant hors taxes</translation>
    </message>
    <message>
        <source>把文档、图片或文件夹拖到这里即可开始
支持 PDF、Word（DOC、DOCX）、WPS 文档和 JPG、PNG、BMP、GIF、WebP、TIFF 图片</source>
        <translation>Faites glisser des documents, des images ou des dossiers ici pour commencer
Formats pris en charge&#xa0;: documents PDF, Word (DOC, DOCX) et WPS, images JPG, PNG, BMP, GIF, WebP, TIFF</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件设为%1</source>
        <translation>
            <numerusform>%n fichier réglé sur %1</numerusform>
            <numerusform>%n fichiers réglés sur %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的装订方式设为%1</source>
        <translation>
            <numerusform>Reliure de %n fichier réglée sur %1</numerusform>
            <numerusform>Reliure de %n fichiers réglée sur %1</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置份数</source>
        <translation>Définir les copies</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少份？</source>
        <translation>
            <numerusform>Combien de copies pour %n fichier sélectionné&#xa0;?</numerusform>
            <numerusform>Combien de copies pour chacun des %n fichiers sélectionnés&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的份数设为 %1</source>
        <translation>
            <numerusform>Copies de %n fichier réglées sur %1</numerusform>
            <numerusform>Copies de %n fichiers réglées sur %1</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置单价</source>
        <translation>Définir le prix unitaire</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少 %1？</source>
        <translation>
            <numerusform>Prix unitaire en %1 pour %n fichier sélectionné&#xa0;?</numerusform>
            <numerusform>Prix unitaire en %1 pour les %n fichiers sélectionnés&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>输入无效</source>
        <translation>Saisie non valide</translation>
    </message>
    <message>
        <source>请输入 0 到 9999 之间的有效金额。</source>
        <translation>Saisissez un montant valide entre 0 et 9999.</translation>
    </message>
    <message numerus="yes">
        <source>已设置 %n 个文件的单价</source>
        <translation>
            <numerusform>Prix unitaire défini pour %n fichier</numerusform>
            <numerusform>Prix unitaire défini pour %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Ouvrir le fichier</translation>
    </message>
    <message>
        <source>打开文件所在位置</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>份数…</source>
        <translation>Copies…</translation>
    </message>
    <message>
        <source>单价…</source>
        <translation>Prix unitaire…</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>无法使用电脑默认软件打开该文件：
%1</source>
        <translation>L’application par défaut de l’ordinateur ne peut pas ouvrir ce fichier&#xa0;:
%1</translation>
    </message>
    <message>
        <source>无法定位文件</source>
        <translation>Impossible de localiser le fichier</translation>
    </message>
    <message>
        <source>无法打开文件所在位置：
%1</source>
        <translation>Impossible d’ouvrir le dossier de ce fichier&#xa0;:
%1</translation>
    </message>
    <message>
        <source>税额</source>
        <translation>Taxe</translation>
    </message>
    <message>
        <source>价格设置已保存</source>
        <translation>Paramètres de prix enregistrés.</translation>
    </message>
    <message>
        <source>按页计价：每页按其尺寸和颜色计价</source>
        <translation>Tarif page par page : chaque page au prix de son format et de sa couleur</translation>
    </message>
    <message>
        <source>彩色页 %1 · %2</source>
        <translation>Pages couleur %1 · %2</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>Tarif page par page</translation>
    </message>
    <message>
        <source>按页明细</source>
        <translation>Détail des pages</translation>
    </message>
    <message>
        <source>页数由备用 PDF 阅读器识别，不可手动修改</source>
        <translation>Nombre de pages lu par le lecteur PDF de secours ; non modifiable</translation>
    </message>
    <message>
        <source>正在分析每页颜色和尺寸 %1/%2</source>
        <translation>Analyse couleur et format des pages %1/%2</translation>
    </message>
    <message>
        <source>没有逐页的颜色和尺寸信息</source>
        <translation>Aucun détail par page (couleur et format)</translation>
    </message>
    <message>
        <source>彩色 %1 页，黑白 %2 页
各尺寸页数：%3</source>
        <translation>%1 pages couleur, %2 pages noir et blanc
Pages par format : %3</translation>
    </message>
    <message>
        <source>按页计价：每页平均单价，双击可修改</source>
        <translation>Prix page par page : prix moyen par page ; double-cliquez pour modifier</translation>
    </message>
    <message>
        <source>页数为估计值：文件已损坏，按其中的页面对象计数</source>
        <translation>Nombre de pages estimé&#xa0;: le fichier est endommagé, ses objets page ont donc été comptés</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>Nom du client</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>Historique des devis</translation>
    </message>
    <message>
        <source>%1；报价记录未保存：%2</source>
        <translation>%1 ; devis non enregistré dans l’historique : %2</translation>
    </message>
    <message>
        <source>部分文件已不存在</source>
        <translation>Certains fichiers n’existent plus</translation>
    </message>
    <message>
        <source>以下文件已不存在，未载入（其金额仍保存在报价记录中）：
%1</source>
        <translation>Ces fichiers n’existent plus et n’ont pas été chargés (leurs montants restent dans l’historique) :
%1</translation>
    </message>
    <message>
        <source>数据库不可用</source>
        <translation>La base de données n’est pas disponible</translation>
    </message>
    <message>
        <source>按页计价的金额要等每页的颜色和尺寸检查完才确定</source>
        <translation>Avec la tarification page par page, le montant n’est définitif qu’une fois la couleur et le format de chaque page vérifiés</translation>
    </message>
    <message>
        <source>暂不能导出</source>
        <translation>Exportation impossible pour l’instant</translation>
    </message>
    <message numerus="yes">
        <source>当前价格角色按页计价，还有 %n 个文档正在检查每页的颜色和尺寸，检查完成前的金额不是最终金额。请等底部的“暂估”消失后再导出。</source>
        <translation>
            <numerusform>Le profil de prix actif facture page par page et la couleur et le format des pages de %n document sont encore en vérification ; d’ici là, les montants ne sont pas définitifs. Exportez lorsque « provisoire » aura disparu de la barre du bas.</numerusform>
            <numerusform>Le profil de prix actif facture page par page et la couleur et le format des pages de %n documents sont encore en vérification ; d’ici là, les montants ne sont pas définitifs. Exportez lorsque « provisoire » aura disparu de la barre du bas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>暂估，%n 个文档仍在检查</source>
        <translation>
            <numerusform>provisoire, %n document en vérification</numerusform>
            <numerusform>provisoire, %n documents en vérification</numerusform>
        </translation>
    </message>
    <message>
        <source>检查页面的辅助进程崩溃了</source>
        <translation>le processus auxiliaire qui vérifie les pages a planté</translation>
    </message>
    <message>
        <source>检查页面的辅助进程超出了内存上限</source>
        <translation>le processus auxiliaire qui vérifie les pages a dépassé sa limite de mémoire</translation>
    </message>
    <message>
        <source>检查页面超过了时间上限</source>
        <translation>la vérification des pages a dépassé la limite de temps</translation>
    </message>
    <message>
        <source>页面详情不可用：%1（已单独重试一次），本行按整份文档计价</source>
        <translation>Détails des pages indisponibles : %1 (réessayé une fois seul) ; cette ligne est facturée comme un document entier</translation>
    </message>
    <message>
        <source>页面详情不可用</source>
        <translation>Détails des pages indisponibles</translation>
    </message>
    <message>
        <source>页面详情不可用：%1，其他文档检查完后会单独再试一次</source>
        <translation>Détails des pages indisponibles : %1 ; un nouvel essai seul aura lieu après les autres documents</translation>
    </message>
    <message numerus="yes">
        <source>正在渲染 %n 个 Word 文件</source>
        <translation>
            <numerusform>Rendu de %n fichier Word</numerusform>
            <numerusform>Rendu de %n fichiers Word</numerusform>
        </translation>
    </message>
    <message>
        <source>按文件存储页数计价：%1 页</source>
        <translation>Facturer selon le nombre stocké : %1 pages</translation>
    </message>
    <message>
        <source>按渲染页数计价：%1 页</source>
        <translation>Facturer selon le nombre rendu : %1 pages</translation>
    </message>
    <message>
        <source>LibreOffice 无法打开此文件（文件损坏、受密码保护或格式不支持）</source>
        <translation>LibreOffice ne peut pas ouvrir ce fichier (endommagé, protégé par mot de passe ou non pris en charge)</translation>
    </message>
    <message>
        <source>LibreOffice 渲染此文件时卡住或崩溃</source>
        <translation>LibreOffice s’est bloqué ou a planté en rendant ce fichier</translation>
    </message>
    <message>
        <source>LibreOffice 渲染结果没有页面</source>
        <translation>LibreOffice en a produit un PDF sans pages</translation>
    </message>
    <message>
        <source>%1；未用渲染页数：%2</source>
        <translation>%1 ; nombre de pages rendu non utilisé : %2</translation>
    </message>
    <message>
        <source>页数来自 LibreOffice 渲染（文件未存储页数），不可手动修改</source>
        <translation>Nombre de pages issu d’un rendu LibreOffice (le fichier n’en stocke pas) ; non modifiable</translation>
    </message>
    <message>
        <source>文件存储页数与 LibreOffice 渲染页数一致，不可手动修改</source>
        <translation>Le nombre de pages stocké correspond au rendu LibreOffice ; non modifiable</translation>
    </message>
    <message>
        <source>按 LibreOffice 渲染页数 %2 计价（文件存储 %1 页），可在右键菜单或点击页数改回存储页数</source>
        <translation>Facturé selon les %2 pages du rendu LibreOffice (le fichier en stocke %1) ; revenez au nombre stocké par le menu contextuel ou en cliquant sur le nombre</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差较大；按存储页数计价，可在右键菜单或点击页数改用渲染页数</source>
        <translation>Le fichier stocke %1 pages, le rendu LibreOffice en donne %2 : écart important ; facturé selon le nombre stocké, passez au nombre rendu par le menu contextuel ou en cliquant sur le nombre</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差很小（多因字体不同），按存储页数计价</source>
        <translation>Le fichier stocke %1 pages, le rendu LibreOffice en donne %2 : petit écart (souvent les polices) ; facturé selon le nombre stocké</translation>
    </message>
    <message>
        <source>按渲染页数计价</source>
        <translation>Facturer selon le nombre rendu</translation>
    </message>
    <message>
        <source>* 页数来自 LibreOffice 渲染；≠ 文件存储页数与渲染页数相差较大，其后为未计价的另一页数</source>
        <translation>* nombre de pages issu d’un rendu LibreOffice ; ≠ nombres stocké et rendu très différents, suivi du nombre non facturé</translation>
    </message>
</context>
<context>
    <name>PageLoadingIndicator</name>
    <message>
        <source>正在后台识别页数</source>
        <translation>Détection du nombre de pages en arrière-plan</translation>
    </message>
    <message>
        <source>%1 彩</source>
        <translation>%1 coul.</translation>
    </message>
</context>
<context>
    <name>PriceSettingsDialog</name>
    <message>
        <source>重命名</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>尚未添加自定义装订方式。</source>
        <translation>Aucune reliure personnalisée n’a été ajoutée.</translation>
    </message>
    <message>
        <source>新增装订方式</source>
        <translation>Ajouter une reliure</translation>
    </message>
    <message>
        <source>装订方式名称</source>
        <translation>Nom de la reliure</translation>
    </message>
    <message>
        <source>名称已存在</source>
        <translation>Nom déjà utilisé</translation>
    </message>
    <message>
        <source>请使用其他装订方式名称。</source>
        <translation>Choisissez un autre nom de reliure.</translation>
    </message>
    <message>
        <source>重命名装订方式</source>
        <translation>Renommer la reliure</translation>
    </message>
    <message>
        <source>删除装订方式</source>
        <translation>Supprimer la reliure</translation>
    </message>
    <message>
        <source>确定删除“%1”吗？相关价格设置也会删除。</source>
        <translation>Supprimer « %1 » ? Ses prix seront également supprimés.</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>Paramètres de prix</translation>
    </message>
    <message>
        <source>按纸张尺寸计价</source>
        <translation>Prix selon le format du papier</translation>
    </message>
    <message>
        <source>识别文档尺寸后自动匹配每页单价；未识别的规格使用“其他”。</source>
        <translation>Une fois le format du document détecté, le prix par page est appliqué automatiquement ; les formats non reconnus utilisent « Autre ».</translation>
    </message>
    <message>
        <source>地区格式</source>
        <translation>Format régional</translation>
    </message>
    <message>
        <source>跟随系统（%1）</source>
        <translation>Système (%1)</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Taux de taxe</translation>
    </message>
    <message>
        <source>输入价格已含税</source>
        <translation>Prix TTC</translation>
    </message>
    <message>
        <source>商业计价规则</source>
        <translation>Règles commerciales</translation>
    </message>
    <message>
        <source>例如：80 gsm uncoated</source>
        <translation>p. ex. 80 g/m² non couché</translation>
    </message>
    <message>
        <source>纸张/克重说明</source>
        <translation>Papier / grammage</translation>
    </message>
    <message>
        <source>双面价格系数</source>
        <translation>Coefficient recto verso</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>Frais fixes</translation>
    </message>
    <message>
        <source>最低消费</source>
        <translation>Montant minimum</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>Remise sur le devis</translation>
    </message>
    <message>
        <source>数量折扣门槛</source>
        <translation>Seuil de remise quantité</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>Remise quantité</translation>
    </message>
    <message>
        <source>金额舍入单位</source>
        <translation>Pas d’arrondi</translation>
    </message>
    <message>
        <source>数量按所有文件的份数合计；门槛为 0 表示不启用数量折扣。</source>
        <translation>La quantité est le total des exemplaires de tous les fichiers ;
un seuil de 0 désactive la remise quantité.</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>Profil de prix</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>Couleur jet d’encre</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>Couleur laser</translation>
    </message>
    <message>
        <source>统一单价</source>
        <translation>Prix unique</translation>
    </message>
    <message>
        <source>应用到全部尺寸</source>
        <translation>Appliquer à tous les formats</translation>
    </message>
    <message>
        <source>每页单价</source>
        <translation>Prix par page</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>装订方式单价（每份）</source>
        <translation>Prix de reliure (par exemplaire)</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>Agrafe en coin</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>Deux agrafes</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>Piqûre à cheval</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>Dos carré collé</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>Reliure peigne</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>Reliure Wire-O</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>Reliure spirale</translation>
    </message>
    <message>
        <source>自定义装订方式</source>
        <translation>Reliures personnalisées</translation>
    </message>
    <message>
        <source>报价单商家信息</source>
        <translation>Coordonnées du vendeur sur les devis</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Raison sociale</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>N° de TVA</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>Nom du client</translation>
    </message>
    <message>
        <source>客户联系方式</source>
        <translation>Contact du client</translation>
    </message>
    <message>
        <source>有效天数</source>
        <translation>Validité (jours)</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>Conditions de paiement</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>新增价格角色</source>
        <translation>Ajouter un profil de prix</translation>
    </message>
    <message>
        <source>角色名称</source>
        <translation>Nom du profil</translation>
    </message>
    <message>
        <source>请使用其他角色名称。</source>
        <translation>Choisissez un autre nom de profil.</translation>
    </message>
    <message>
        <source>重命名价格角色</source>
        <translation>Renommer le profil de prix</translation>
    </message>
    <message>
        <source>无法删除</source>
        <translation>Suppression impossible</translation>
    </message>
    <message>
        <source>至少需要保留一个价格角色。</source>
        <translation>Au moins un profil de prix doit être conservé.</translation>
    </message>
    <message>
        <source>删除价格角色</source>
        <translation>Supprimer le profil de prix</translation>
    </message>
    <message>
        <source>确定删除“%1”及其全部价格设置吗？</source>
        <translation>Supprimer « %1 » et tous ses paramètres de prix ?</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>Prix page par page</translation>
    </message>
    <message>
        <source>逐页识别颜色和尺寸：每页按自身尺寸计价，彩色文件中的黑白页按黑白单价计价。手动输入的单价仍然优先。</source>
        <translation>Détecte la couleur et le format de chaque page : chaque page est facturée à son propre format, et les pages noir et blanc d’un document couleur au prix noir et blanc. Un prix unitaire saisi à la main reste prioritaire.</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryModel</name>
    <message>
        <source>报价编号</source>
        <translation>N° de devis</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Fichiers</translation>
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
        <translation>Tout</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>Historique des devis</translation>
    </message>
    <message>
        <source>编号、客户或文件名</source>
        <translation>Numéro, client ou nom de fichier</translation>
    </message>
    <message>
        <source>从</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>至</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Exporter PDF</translation>
    </message>
    <message>
        <source>导出 Excel</source>
        <translation>Exporter Excel</translation>
    </message>
    <message>
        <source>载入清单</source>
        <translation>Charger dans la liste</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Supprimer</translation>
    </message>
    <message numerus="yes">
        <source>%n 条报价</source>
        <translation>
            <numerusform>%n devis</numerusform>
            <numerusform>%n devis</numerusform>
        </translation>
    </message>
    <message>
        <source>报价记录无法读取：%1</source>
        <translation>L’historique des devis est illisible : %1</translation>
    </message>
    <message>
        <source>无法重新导出</source>
        <translation>Impossible de réexporter</translation>
    </message>
    <message>
        <source>这条报价记录不含完整明细，只能查看和删除。</source>
        <translation>Cet enregistrement ne contient pas tous les détails ; il peut seulement être consulté et supprimé.</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>Exporter le devis PDF</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Exporter le détail Excel</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Classeur Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Échec de l’export</translation>
    </message>
    <message>
        <source>已导出：%1</source>
        <translation>Exporté : %1</translation>
    </message>
    <message>
        <source>无法载入</source>
        <translation>Chargement impossible</translation>
    </message>
    <message>
        <source>删除报价记录</source>
        <translation>Supprimer le devis</translation>
    </message>
    <message>
        <source>删除报价 %1？此操作无法撤销。</source>
        <translation>Supprimer le devis %1 ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Échec de la suppression</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>ZIP 条目解压失败</source>
        <translation>Échec de la décompression de l’entrée ZIP</translation>
    </message>
    <message>
        <source>ZIP 条目校验失败</source>
        <translation>Échec de la vérification de l’entrée ZIP</translation>
    </message>
    <message>
        <source>不支持的 ZIP 压缩算法：%1</source>
        <translation>Méthode de compression ZIP non prise en charge&#xa0;: %1</translation>
    </message>
    <message>
        <source>ZIP 文件过小或已损坏</source>
        <translation>Le fichier ZIP est trop petit ou endommagé</translation>
    </message>
    <message>
        <source>找不到 ZIP 中央目录</source>
        <translation>Répertoire central ZIP introuvable</translation>
    </message>
    <message>
        <source>ZIP 中央目录已损坏</source>
        <translation>Le répertoire central ZIP est endommagé</translation>
    </message>
    <message>
        <source>ZIP 中不存在条目：%1</source>
        <translation>Entrée absente du fichier ZIP&#xa0;: %1</translation>
    </message>
    <message>
        <source>不支持加密的 ZIP 条目</source>
        <translation>Les entrées ZIP chiffrées ne sont pas prises en charge</translation>
    </message>
    <message>
        <source>ZIP 本地文件头已损坏</source>
        <translation>L’en-tête de fichier local ZIP est endommagé</translation>
    </message>
    <message>
        <source>ZIP 条目数据不完整</source>
        <translation>Les données de l’entrée ZIP sont incomplètes</translation>
    </message>
    <message>
        <source>ZIP 条目过大或名称无效</source>
        <translation>L&apos;entrée ZIP est trop grande ou son nom n&apos;est pas valide</translation>
    </message>
    <message>
        <source>ZIP 文件数量过多</source>
        <translation>Le fichier ZIP contient trop d&apos;entrées</translation>
    </message>
</context>
</TS>
