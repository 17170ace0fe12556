<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="zh_CN">
<context>
    <name>DocumentAnalyzer</name>
    <message>
        <source>A4 横向</source>
        <translation>A4 альбомная</translation>
    </message>
    <message>
        <source> 横向</source>
        <translation> альбомная</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>文件识别页数，不可手动修改</source>
        <translation>Число страниц определено по файлу; изменить вручную нельзя</translation>
    </message>
    <message>
        <source>未能识别文件页数</source>
        <translation>Не удалось определить число страниц</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>未能读取文档纸张尺寸</source>
        <translation>Не удалось определить формат бумаги документа</translation>
    </message>
    <message>
        <source>文档纸张尺寸：%1</source>
        <translation>Формат бумаги документа: %1</translation>
    </message>
    <message>
        <source>旧版 DOC 识别受限</source>
        <translation>Ограниченная поддержка старых файлов DOC</translation>
    </message>
    <message>
        <source>未安装 LibreOffice，且该 DOC 文件没有可用的内置页数。
PDF 和 DOCX 仍可正常使用；如需识别此类旧版 DOC，请安装 LibreOffice。</source>
        <translation>LibreOffice не установлен, а в этом файле DOC нет сохранённого числа страниц.
PDF и DOCX по-прежнему обрабатываются как обычно; чтобы распознавать такие старые файлы DOC, установите LibreOffice.</translation>
    </message>
    <message>
        <source>文档页数识别完成</source>
        <translation>Определение числа страниц завершено</translation>
    </message>
    <message>
        <source>Orvanta v%1 - 文档打印核价</source>
        <translation>Orvanta v%1 - Расчёт стоимости печати документов</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>Смена языка</translation>
    </message>
    <message>
        <source>语言设置已保存，重启软件后生效。是否现在重启？</source>
        <translation>Язык интерфейса сохранён и будет применён после перезапуска. Перезапустить сейчас?</translation>
    </message>
    <message>
        <source>新语言将在下次启动时生效</source>
        <translation>Новый язык будет применён при следующем запуске</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>Профиль цен</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的颜色</source>
        <translation>Задать цвет для всех файлов списка</translation>
    </message>
    <message>
        <source>装订</source>
        <translation>Переплёт</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的装订方式</source>
        <translation>Задать переплёт для всех файлов списка</translation>
    </message>
    <message>
        <source>单双面</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>单面</source>
        <translation>1-сторонняя</translation>
    </message>
    <message>
        <source>双面</source>
        <translation>2-сторонняя</translation>
    </message>
    <message>
        <source>双面打印时使用当前价格角色的双面价格系数</source>
        <translation>При двусторонней печати применяется коэффициент двусторонней печати текущего профиля цен</translation>
    </message>
    <message>
        <source>份数</source>
        <translation>Копии</translation>
    </message>
    <message>
        <source>设置所有文件的打印份数</source>
        <translation>Задать число копий для всех файлов</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>Цены</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>文件名称  ▼</source>
        <translation>Имя файла  ▼</translation>
    </message>
    <message>
        <source>页数  ▼</source>
        <translation>Страницы  ▼</translation>
    </message>
    <message>
        <source>尺寸  ▼</source>
        <translation>Формат  ▼</translation>
    </message>
    <message>
        <source>单价/页</source>
        <translation>Цена/стр.</translation>
    </message>
    <message>
        <source>装订方式</source>
        <translation>Переплёт</translation>
    </message>
    <message>
        <source>小计</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>合计：</source>
        <translation>Итого:</translation>
    </message>
    <message>
        <source>0 个</source>
        <translation>0 файлов</translation>
    </message>
    <message>
        <source>0 页</source>
        <translation>0 страниц</translation>
    </message>
    <message>
        <source>导出报价单 ▾</source>
        <translation>Экспорт сметы ▾</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>Экспорт сметы в PDF</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Экспорт детализации в Excel</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>装订费：%1/份</source>
        <translation>Стоимость переплёта: %1 за копию</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页</source>
        <translation>
            <numerusform>%n страница</numerusform>
            <numerusform>%n страницы</numerusform>
            <numerusform>%n страниц</numerusform>
        </translation>
    </message>
    <message>
        <source>商品：%1
起步费：%2
折扣：%3
税前：%4
税额（%5%）：%6</source>
        <translation>Позиции: %1
Плата за запуск: %2
Скидки: %3
Без налога: %4
Налог (%5%): %6</translation>
    </message>
    <message>
        <source>没有找到支持的 PDF、Word、WPS 或图片文件</source>
        <translation>Поддерживаемые файлы PDF, Word, WPS или изображения не найдены</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>Импорт завершён</translation>
    </message>
    <message>
        <source>导入了 0 个文件，%1 个不支持的文件未导入</source>
        <translation>Импортировано файлов: 0; пропущено неподдерживаемых файлов: %1</translation>
    </message>
    <message>
        <source>所选文档已在清单中</source>
        <translation>Выбранные документы уже есть в списке</translation>
    </message>
    <message>
        <source>导入了 %1 个文件，%2 个不支持的文件未导入</source>
        <translation>Импортировано файлов: %1; пропущено неподдерживаемых файлов: %2</translation>
    </message>
    <message>
        <source>正在后台识别页数，识别结果不可手动修改</source>
        <translation>Число страниц определяется в фоне; результат нельзя изменить вручную</translation>
    </message>
    <message>
        <source>正在识别文档纸张尺寸</source>
        <translation>Определение формата бумаги документа</translation>
    </message>
    <message>
        <source>双击可修改份数</source>
        <translation>Дважды щёлкните, чтобы изменить число копий</translation>
    </message>
    <message>
        <source>双击可修改单价</source>
        <translation>Дважды щёлкните, чтобы изменить цену</translation>
    </message>
    <message>
        <source>单击可修改颜色</source>
        <translation>Щёлкните, чтобы изменить цвет</translation>
    </message>
    <message>
        <source>清单已清空</source>
        <translation>Список очищен</translation>
    </message>
    <message>
        <source>名称：A → Z</source>
        <translation>Имя: A → Z</translation>
    </message>
    <message>
        <source>名称：Z → A</source>
        <translation>Имя: Z → A</translation>
    </message>
    <message>
        <source>文件格式：A → Z</source>
        <translation>Тип файла: A → Z</translation>
    </message>
    <message>
        <source>文件格式：Z → A</source>
        <translation>Тип файла: Z → A</translation>
    </message>
    <message>
        <source>创建时间：新 → 旧</source>
        <translation>Дата создания: новые → старые</translation>
    </message>
    <message>
        <source>创建时间：旧 → 新</source>
        <translation>Дата создания: старые → новые</translation>
    </message>
    <message>
        <source>文件大小：大 → 小</source>
        <translation>Размер файла: большие → маленькие</translation>
    </message>
    <message>
        <source>文件大小：小 → 大</source>
        <translation>Размер файла: маленькие → большие</translation>
    </message>
    <message>
        <source>页数：升序</source>
        <translation>Страницы: по возрастанию</translation>
    </message>
    <message>
        <source>页数：降序</source>
        <translation>Страницы: по убыванию</translation>
    </message>
    <message>
        <source>尺寸：升序（小 → 大）</source>
        <translation>Формат: по возрастанию (малый → большой)</translation>
    </message>
    <message>
        <source>尺寸：降序（大 → 小）</source>
        <translation>Формат: по убыванию (большой → малый)</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Общий</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>Цветная струйная</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>Цветная лазерная</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Чёрно-белая</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>Скоба в углу</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>Две скобы</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>Брошюровка на скобу</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>Клеевой переплёт</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>Пластиковая пружина</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>Металлическая пружина</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>Спиральный переплёт</translation>
    </message>
    <message>
        <source>无装订</source>
        <translation>Без переплёта</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>Ошибка базы данных</translation>
    </message>
    <message>
        <source>数据库升级失败</source>
        <translation>Не удалось обновить базу данных</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Ошибка сохранения</translation>
    </message>
    <message>
        <source>价格设置读取失败，本次运行不会保存价格设置。
%1</source>
        <translation>Не удалось прочитать настройки цен; в этом сеансе они не будут сохраняться.
%1</translation>
    </message>
    <message>
        <source>价格设置未写入，原有数据已保留。
%1</source>
        <translation>Настройки цен не записаны; прежние данные не изменены.
%1</translation>
    </message>
    <message>
        <source>数据库不可用，价格设置未保存。</source>
        <translation>База данных недоступна; настройки цен не сохранены.</translation>
    </message>
    <message numerus="yes">
        <source>正在后台识别页数，还剩 %n 个文档…</source>
        <translation>
            <numerusform>Определение числа страниц в фоне, остался %n документ…</numerusform>
            <numerusform>Определение числа страниц в фоне, осталось %n документа…</numerusform>
            <numerusform>Определение числа страниц в фоне, осталось %n документов…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已添加 %n 个文档，正在后台识别页数…</source>
        <translation>
            <numerusform>Добавлен %n документ, определение числа страниц в фоне…</numerusform>
            <numerusform>Добавлено %n документа, определение числа страниц в фоне…</numerusform>
            <numerusform>Добавлено %n документов, определение числа страниц в фоне…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已从清单中移除 %n 个文档</source>
        <translation>
            <numerusform>Из списка удалён %n документ</numerusform>
            <numerusform>Из списка удалено %n документа</numerusform>
            <numerusform>Из списка удалено %n документов</numerusform>
        </translation>
    </message>
    <message>
        <source>/打印报价单_%1.pdf</source>
        <translation>/смета_печати_%1.pdf</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF 报价单已导出：%1</source>
        <translation>Смета в PDF экспортирована: %1</translation>
    </message>
    <message>
        <source>/核价明细_%1.xlsx</source>
        <translation>/Детализация цен_%1.xlsx</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Книга Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Ошибка экспорта</translation>
    </message>
    <message>
        <source>无法写入 PDF 报价单：%1
%2</source>
        <translation>Не удалось записать смету в PDF: %1
%2</translation>
    </message>
    <message>
        <source>无法生成 PDF 页面</source>
        <translation>Не удалось создать страницы PDF</translation>
    </message>
    <message>
        <source>%1（%2/份）</source>
        <translation>%1 (%2/экз.)</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>ИНН</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>报价编号：%1&lt;br&gt;价格角色：%2&lt;br&gt;报价日期：%3&lt;br&gt;有效期至：%4&lt;br&gt;币种：%5&lt;br&gt;打印方式：%6</source>
        <translation>Номер сметы: %1&lt;br&gt;Ценовой профиль: %2&lt;br&gt;Дата сметы: %3&lt;br&gt;Действительна до: %4&lt;br&gt;Валюта: %5&lt;br&gt;Режим печати: %6</translation>
    </message>
    <message>
        <source>纸张/克重：%1</source>
        <translation>Бумага/плотность: %1</translation>
    </message>
    <message>
        <source>Excel 明细已导出：%1</source>
        <translation>Детализация Excel экспортирована: %1</translation>
    </message>
    <message>
        <source>Excel 工作表内容生成失败。</source>
        <translation>Не удалось сформировать содержимое листа Excel.</translation>
    </message>
    <message>
        <source>无法写入 Excel 文件：%1</source>
        <translation>Не удаётся записать файл Excel: %1</translation>
    </message>
    <message>
        <source>打印核价明细</source>
        <translation>Детализация цен на печать</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Ставка налога</translation>
    </message>
    <message>
        <source>含税合计</source>
        <translation>Итого с налогом</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Название компании</translation>
    </message>
    <message>
        <source>纸张/克重</source>
        <translation>Бумага/плотность</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>Режим печати</translation>
    </message>
    <message>
        <source>有效期至</source>
        <translation>Действительно до</translation>
    </message>
    <message>
        <source>文件名称</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Страниц</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>商品金额：%1&lt;br&gt;起步费：%2&lt;br&gt;数量折扣：−%3&lt;br&gt;整单折扣：−%4&lt;br&gt;税前金额：%5&lt;br&gt;税额（%6%）：%7&lt;br&gt;&lt;strong&gt;合计：%8&lt;/strong&gt;</source>
        <translation>Позиции: %1&lt;br&gt;Плата за подготовку: %2&lt;br&gt;Скидка за объём: −%3&lt;br&gt;Скидка на смету: −%4&lt;br&gt;Без налога: %5&lt;br&gt;Налог (%6 %): %7&lt;br&gt;&lt;strong&gt;Итого: %8&lt;/strong&gt;</translation>
    </message>
    <message>
        <source>以上价格已含税</source>
        <translation>Цены выше включают налог</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>Условия оплаты</translation>
    </message>
    <message>
        <source>本报价由 Orvanta 生成，最终价格以实际生产确认为准。</source>
        <translation>Смета создана в Orvanta; окончательная цена подтверждается при изготовлении.</translation>
    </message>
    <message>
        <source>文档打印报价单</source>
        <translation>Смета на печать документов</translation>
    </message>
    <message>
        <source>装订费</source>
        <translation>Стоимость переплёта</translation>
    </message>
    <message>
        <source>商品金额</source>
        <translation>Позиции</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>Плата за запуск</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>Скидка за объём</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>Скидка на заказ</translation>
    </message>
    <message>
        <source>税前金额</source>
        <translation>Сумма без налога</translation>
    </message>
    <message>
        <source>把文档、图片或文件夹拖到这里即可开始
支持 PDF、Word（DOC、DOCX）、WPS 文档和 JPG、PNG、BMP、GIF、WebP、TIFF 图片</source>
        <translation>Перетащите сюда документы, изображения или папки, чтобы начать
Поддерживаются документы PDF, Word (DOC, DOCX), WPS и изображения JPG, PNG, BMP, GIF, WebP, TIFF</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件设为%1</source>
        <translation>
            <numerusform>Цвет «%1» задан для %n файла</numerusform>
            <numerusform>Цвет «%1» задан для %n файлов</numerusform>
            <numerusform>Цвет «%1» задан для %n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的装订方式设为%1</source>
        <translation>
            <numerusform>Переплёт «%1» задан для %n файла</numerusform>
            <numerusform>Переплёт «%1» задан для %n файлов</numerusform>
            <numerusform>Переплёт «%1» задан для %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置份数</source>
        <translation>Число копий</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少份？</source>
        <translation>
            <numerusform>Сколько копий для %n выбранного файла?</numerusform>
            <numerusform>Сколько копий для %n выбранных файлов?</numerusform>
            <numerusform>Сколько копий для %n выбранных файлов?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的份数设为 %1</source>
        <translation>
            <numerusform>Число копий %1 задано для %n файла</numerusform>
            <numerusform>Число копий %1 задано для %n файлов</numerusform>
            <numerusform>Число копий %1 задано для %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置单价</source>
        <translation>Цена за страницу</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少 %1？</source>
        <translation>
            <numerusform>Цена за страницу в %1 для %n выбранного файла?</numerusform>
            <numerusform>Цена за страницу в %1 для %n выбранных файлов?</numerusform>
            <numerusform>Цена за страницу в %1 для %n выбранных файлов?</numerusform>
        </translation>
    </message>
    <message>
        <source>输入无效</source>
        <translation>Недопустимое значение</translation>
    </message>
    <message>
        <source>请输入 0 到 9999 之间的有效金额。</source>
        <translation>Введите корректную сумму от 0 до 9999.</translation>
    </message>
    <message numerus="yes">
        <source>已设置 %n 个文件的单价</source>
        <translation>
            <numerusform>Цена задана для %n файла</numerusform>
            <numerusform>Цена задана для %n файлов</numerusform>
            <numerusform>Цена задана для %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>打开文件所在位置</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>份数…</source>
        <translation>Копии…</translation>
    </message>
    <message>
        <source>单价…</source>
        <translation>Цена за страницу…</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Убрать из списка</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>Не удаётся открыть файл</translation>
    </message>
    <message>
        <source>无法使用电脑默认软件打开该文件：
%1</source>
        <translation>Не удаётся открыть файл программой по умолчанию:
%1</translation>
    </message>
    <message>
        <source>无法定位文件</source>
        <translation>Не удаётся показать файл</translation>
    </message>
    <message>
        <source>无法打开文件所在位置：
%1</source>
        <translation>Не удаётся открыть папку файла:
%1</translation>
    </message>
    <message>
        <source>税额</source>
        <translation>Налог</translation>
    </message>
    <message>
        <source>价格设置已保存</source>
        <translation>Настройки цен сохранены.</translation>
    </message>
    <message>
        <source>按页计价：每页按其尺寸和颜色计价</source>
        <translation>Постраничная цена: каждая страница по цене своего формата и цвета</translation>
    </message>
    <message>
        <source>彩色页 %1 · %2</source>
        <translation>Цветных страниц %1 · %2</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>Постраничная цена</translation>
    </message>
    <message>
        <source>按页明细</source>
        <translation>Состав страниц</translation>
    </message>
    <message>
        <source>页数由备用 PDF 阅读器识别，不可手动修改</source>
        <translation>Число страниц определено резервным средством чтения PDF; изменить нельзя</translation>
    </message>
    <message>
        <source>正在分析每页颜色和尺寸 %1/%2</source>
        <translation>Проверка цвета и формата страниц %1/%2</translation>
    </message>
    <message>
        <source>没有逐页的颜色和尺寸信息</source>
        <translation>Нет сведений о цвете и формате каждой страницы</translation>
    </message>
    <message>
        <source>彩色 %1 页，黑白 %2 页
各尺寸页数：%3</source>
        <translation>Цветных страниц: %1, чёрно-белых: %2
Страниц по форматам: %3</translation>
    </message>
    <message>
        <source>按页计价：每页平均单价，双击可修改</source>
        <translation>Цена по страницам: средняя цена страницы; дважды щёлкните, чтобы изменить</translation>
    </message>
    <message>
        <source>页数为估计值：文件已损坏，按其中的页面对象计数</source>
        <translation>Оценка числа страниц: файл повреждён, поэтому подсчитаны его объекты страниц</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>Имя клиента</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>История смет</translation>
    </message>
    <message>
        <source>%1；报价记录未保存：%2</source>
        <translation>%1; смета не сохранена в истории: %2</translation>
    </message>
    <message>
        <source>部分文件已不存在</source>
        <translation>Некоторых файлов больше нет</translation>
    </message>
    <message>
        <source>以下文件已不存在，未载入（其金额仍保存在报价记录中）：
%1</source>
        <translation>Эти файлы больше не существуют и не загружены (их суммы остаются в истории):
%1</translation>
    </message>
    <message>
        <source>数据库不可用</source>
        <translation>База данных недоступна</translation>
    </message>
    <message>
        <source>按页计价的金额要等每页的颜色和尺寸检查完才确定</source>
        <translation>При постраничном расчёте сумма станет окончательной после проверки цвета и формата каждой страницы</translation>
    </message>
    <message>
        <source>暂不能导出</source>
        <translation>Экспорт пока невозможен</translation>
    </message>
    <message numerus="yes">
        <source>当前价格角色按页计价，还有 %n 个文档正在检查每页的颜色和尺寸，检查完成前的金额不是最终金额。请等底部的“暂估”消失后再导出。</source>
        <translation>
            <numerusform>Активный ценовой профиль считает постранично, а цвет и формат страниц ещё проверяются в %n документе; до этого суммы не окончательные. Экспортируйте, когда внизу исчезнет «предварительно».</numerusform>
            <numerusform>Активный ценовой профиль считает постранично, а цвет и формат страниц ещё проверяются в %n документах; до этого суммы не окончательные. Экспортируйте, когда внизу исчезнет «предварительно».</numerusform>
            <numerusform>Активный ценовой профиль считает постранично, а цвет и формат страниц ещё проверяются в %n документах; до этого суммы не окончательные. Экспортируйте, когда внизу исчезнет «предварительно».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>暂估，%n 个文档仍在检查</source>
        <translation>
            <numerusform>предварительно, проверяется %n документ</numerusform>
            <numerusform>предварительно, проверяются %n документа</numerusform>
            <numerusform>предварительно, проверяются %n документов</numerusform>
        </translation>
    </message>
    <message>
        <source>检查页面的辅助进程崩溃了</source>
        <translation>вспомогательный процесс проверки страниц аварийно завершился</translation>
    </message>
    <message>
        <source>检查页面的辅助进程超出了内存上限</source>
        <translation>вспомогательный процесс проверки страниц превысил предел памяти</translation>
    </message>
    <message>
        <source>检查页面超过了时间上限</source>
        <translation>проверка страниц превысила лимит времени</translation>
    </message>
    <message>
        <source>页面详情不可用：%1（已单独重试一次），本行按整份文档计价</source>
        <translation>Сведения о страницах недоступны: %1 (повторено один раз отдельно); строка считается как целый документ</translation>
    </message>
    <message>
        <source>页面详情不可用</source>
        <translation>Нет сведений о страницах</translation>
    </message>
    <message>
        <source>页面详情不可用：%1，其他文档检查完后会单独再试一次</source>
        <translation>Сведения о страницах недоступны: %1; после остальных документов будет ещё одна отдельная попытка</translation>
    </message>
    <message numerus="yes">
        <source>正在渲染 %n 个 Word 文件</source>
        <translation>
            <numerusform>Отрисовка %n файла Word</numerusform>
            <numerusform>Отрисовка %n файлов Word</numerusform>
            <numerusform>Отрисовка %n файлов Word</numerusform>
        </translation>
    </message>
    <message>
        <source>按文件存储页数计价：%1 页</source>
        <translation>Считать по сохранённому числу: %1 стр.</translation>
    </message>
    <message>
        <source>按渲染页数计价：%1 页</source>
        <translation>Считать по отрисовке: %1 стр.</translation>
    </message>
    <message>
        <source>LibreOffice 无法打开此文件（文件损坏、受密码保护或格式不支持）</source>
        <translation>LibreOffice не может открыть этот файл (повреждён, защищён паролем или не поддерживается)</translation>
    </message>
    <message>
        <source>LibreOffice 渲染此文件时卡住或崩溃</source>
        <translation>LibreOffice завис или аварийно завершился при отрисовке этого файла</translation>
    </message>
    <message>
        <source>LibreOffice 渲染结果没有页面</source>
        <translation>LibreOffice отрисовал его в PDF без страниц</translation>
    </message>
    <message>
        <source>%1；未用渲染页数：%2</source>
        <translation>%1; число страниц по отрисовке не использовано: %2</translation>
    </message>
    <message>
        <source>页数来自 LibreOffice 渲染（文件未存储页数），不可手动修改</source>
        <translation>Число страниц получено отрисовкой в LibreOffice (файл его не хранит); изменить нельзя</translation>
    </message>
    <message>
        <source>文件存储页数与 LibreOffice 渲染页数一致，不可手动修改</source>
        <translation>Сохранённое число страниц совпадает с отрисовкой LibreOffice; изменить нельзя</translation>
    </message>
    <message>
        <source>按 LibreOffice 渲染页数 %2 计价（文件存储 %1 页），可在右键菜单或点击页数改回存储页数</source>
        <translation>Расчёт по %2 стр. отрисовки LibreOffice (в файле сохранено %1); вернуть сохранённое число можно в контекстном меню или щелчком по числу</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差较大；按存储页数计价，可在右键菜单或点击页数改用渲染页数</source>
        <translation>В файле сохранено %1 стр., отрисовка LibreOffice даёт %2: большое расхождение; расчёт по сохранённому числу, перейти к отрисованному можно в контекстном меню или щелчком по числу</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差很小（多因字体不同），按存储页数计价</source>
        <translation>В файле сохранено %1 стр., отрисовка LibreOffice даёт %2: небольшое расхождение (обычно из-за шрифтов); расчёт по сохранённому числу</translation>
    </message>
    <message>
        <source>按渲染页数计价</source>
        <translation>Считать по отрисовке</translation>
    </message>
    <message>
        <source>* 页数来自 LibreOffice 渲染；≠ 文件存储页数与渲染页数相差较大，其后为未计价的另一页数</source>
        <translation>* число страниц по отрисовке LibreOffice; ≠ сохранённое и отрисованное числа сильно расходятся, за знаком — неучтённое число</translation>
    </message>
</context>
<context>
    <name>PageLoadingIndicator</name>
    <message>
        <source>正在后台识别页数</source>
        <translation>Определение числа страниц в фоне</translation>
    </message>
    <message>
        <source>%1 彩</source>
        <translation>%1 цв.</translation>
    </message>
</context>
<context>
    <name>PriceSettingsDialog</name>
    <message>
        <source>重命名</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>尚未添加自定义装订方式。</source>
        <translation>Собственные виды переплёта ещё не добавлены.</translation>
    </message>
    <message>
        <source>新增装订方式</source>
        <translation>Добавить вид переплёта</translation>
    </message>
    <message>
        <source>装订方式名称</source>
        <translation>Название вида переплёта</translation>
    </message>
    <message>
        <source>名称已存在</source>
        <translation>Название уже существует</translation>
    </message>
    <message>
        <source>请使用其他装订方式名称。</source>
        <translation>Укажите другое название вида переплёта.</translation>
    </message>
    <message>
        <source>重命名装订方式</source>
        <translation>Переименовать вид переплёта</translation>
    </message>
    <message>
        <source>删除装订方式</source>
        <translation>Удалить вид переплёта</translation>
    </message>
    <message>
        <source>确定删除“%1”吗？相关价格设置也会删除。</source>
        <translation>Удалить «%1»? Связанные цены тоже будут удалены.</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>Настройки цен</translation>
    </message>
    <message>
        <source>按纸张尺寸计价</source>
        <translation>Цены по формату бумаги</translation>
    </message>
    <message>
        <source>识别文档尺寸后自动匹配每页单价；未识别的规格使用“其他”。</source>
        <translation>После определения формата документа цена за страницу подставляется автоматически; для нераспознанных форматов используется «Другой».</translation>
    </message>
    <message>
        <source>地区格式</source>
        <translation>Региональный формат</translation>
    </message>
    <message>
        <source>跟随系统（%1）</source>
        <translation>Как в системе (%1)</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>Валюта</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>Налог</translation>
    </message>
    <message>
        <source>输入价格已含税</source>
        <translation>Цены с налогом</translation>
    </message>
    <message>
        <source>商业计价规则</source>
        <translation>Коммерческие правила расчёта</translation>
    </message>
    <message>
        <source>例如：80 gsm uncoated</source>
        <translation>например: 80 г/м² без покрытия</translation>
    </message>
    <message>
        <source>纸张/克重说明</source>
        <translation>Бумага / плотность</translation>
    </message>
    <message>
        <source>双面价格系数</source>
        <translation>Коэффициент двусторонней печати</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>Плата за подготовку</translation>
    </message>
    <message>
        <source>最低消费</source>
        <translation>Минимальная сумма</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>Скидка на заказ</translation>
    </message>
    <message>
        <source>数量折扣门槛</source>
        <translation>Порог скидки за объём</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>Скидка за объём</translation>
    </message>
    <message>
        <source>金额舍入单位</source>
        <translation>Шаг округления</translation>
    </message>
    <message>
        <source>数量按所有文件的份数合计；门槛为 0 表示不启用数量折扣。</source>
        <translation>Количество — сумма экземпляров всех файлов;
порог 0 отключает скидку за объём.</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>Профиль цен</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>Общий</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>Чёрно-белая</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>Цветная струйная</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>Цветная лазерная</translation>
    </message>
    <message>
        <source>统一单价</source>
        <translation>Единая цена</translation>
    </message>
    <message>
        <source>应用到全部尺寸</source>
        <translation>Применить ко всем форматам</translation>
    </message>
    <message>
        <source>每页单价</source>
        <translation>Цена за страницу</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>装订方式单价（每份）</source>
        <translation>Цена переплёта (за экземпляр)</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>Скоба в углу</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>Две скобы</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>Брошюровка на скобу</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>Клеевой переплёт</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>Пластиковая пружина</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>Металлическая пружина</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>Спиральный переплёт</translation>
    </message>
    <message>
        <source>自定义装订方式</source>
        <translation>Собственные виды переплёта</translation>
    </message>
    <message>
        <source>报价单商家信息</source>
        <translation>Данные продавца для предложений</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Название компании</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>ИНН</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>客户联系方式</source>
        <translation>Контакты клиента</translation>
    </message>
    <message>
        <source>有效天数</source>
        <translation>Срок действия (дней)</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>Условия оплаты</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Сохранить настройки</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>新增价格角色</source>
        <translation>Добавить профиль цен</translation>
    </message>
    <message>
        <source>角色名称</source>
        <translation>Название профиля</translation>
    </message>
    <message>
        <source>请使用其他角色名称。</source>
        <translation>Укажите другое название профиля.</translation>
    </message>
    <message>
        <source>重命名价格角色</source>
        <translation>Переименовать профиль цен</translation>
    </message>
    <message>
        <source>无法删除</source>
        <translation>Удаление невозможно</translation>
    </message>
    <message>
        <source>至少需要保留一个价格角色。</source>
        <translation>Должен остаться хотя бы один профиль цен.</translation>
    </message>
    <message>
        <source>删除价格角色</source>
        <translation>Удалить профиль цен</translation>
    </message>
    <message>
        <source>确定删除“%1”及其全部价格设置吗？</source>
        <translation>Удалить «%1» со всеми настройками цен?</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>Цена по страницам</translation>
    </message>
    <message>
        <source>逐页识别颜色和尺寸：每页按自身尺寸计价，彩色文件中的黑白页按黑白单价计价。手动输入的单价仍然优先。</source>
        <translation>Определяет цвет и формат каждой страницы: каждая страница оплачивается по своему формату, а чёрно-белые страницы цветного документа — по чёрно-белой цене. Введённая вручную цена по-прежнему имеет приоритет.</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryModel</name>
    <message>
        <source>报价编号</source>
        <translation>№ сметы</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>Итого</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryWindow</name>
    <message>
        <source>不限</source>
        <translation>Любая</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>История смет</translation>
    </message>
    <message>
        <source>编号、客户或文件名</source>
        <translation>Номер, клиент или имя файла</translation>
    </message>
    <message>
        <source>从</source>
        <translation>С</translation>
    </message>
    <message>
        <source>至</source>
        <translation>По</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>Экспорт PDF</translation>
    </message>
    <message>
        <source>导出 Excel</source>
        <translation>Экспорт Excel</translation>
    </message>
    <message>
        <source>载入清单</source>
        <translation>Загрузить в список</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message numerus="yes">
        <source>%n 条报价</source>
        <translation>
            <numerusform>%n смета</numerusform>
            <numerusform>%n сметы</numerusform>
            <numerusform>%n смет</numerusform>
        </translation>
    </message>
    <message>
        <source>报价记录无法读取：%1</source>
        <translation>Не удаётся прочитать историю смет: %1</translation>
    </message>
    <message>
        <source>无法重新导出</source>
        <translation>Повторный экспорт невозможен</translation>
    </message>
    <message>
        <source>这条报价记录不含完整明细，只能查看和删除。</source>
        <translation>В этой записи нет полных сведений; её можно только просмотреть и удалить.</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>Экспорт сметы в PDF</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Экспорт расчёта в Excel</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Книга Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Ошибка экспорта</translation>
    </message>
    <message>
        <source>已导出：%1</source>
        <translation>Экспортировано: %1</translation>
    </message>
    <message>
        <source>无法载入</source>
        <translation>Не удаётся загрузить</translation>
    </message>
    <message>
        <source>删除报价记录</source>
        <translation>Удалить смету</translation>
    </message>
    <message>
        <source>删除报价 %1？此操作无法撤销。</source>
        <translation>Удалить смету %1? Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Ошибка удаления</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>ZIP 条目解压失败</source>
        <translation>Не удалось распаковать элемент ZIP</translation>
    </message>
    <message>
        <source>ZIP 条目校验失败</source>
        <translation>Ошибка проверки элемента ZIP</translation>
    </message>
    <message>
        <source>不支持的 ZIP 压缩算法：%1</source>
        <translation>Неподдерживаемый метод сжатия ZIP: %1</translation>
    </message>
    <message>
        <source>ZIP 文件过小或已损坏</source>
        <translation>Файл ZIP слишком мал или повреждён</translation>
    </message>
    <message>
        <source>找不到 ZIP 中央目录</source>
        <translation>Центральный каталог ZIP не найден</translation>
    </message>
    <message>
        <source>ZIP 中央目录已损坏</source>
        <translation>Центральный каталог ZIP повреждён</translation>
    </message>
    <message>
        <source>ZIP 中不存在条目：%1</source>
        <translation>Элемент не найден в ZIP: %1</translation>
    </message>
    <message>
        <source>不支持加密的 ZIP 条目</source>
        <translation>Зашифрованные элементы ZIP не поддерживаются</translation>
    </message>
    <message>
        <source>ZIP 本地文件头已损坏</source>
        <translation>Локальный заголовок файла ZIP повреждён</translation>
    </message>
    <message>
        <source>ZIP 条目数据不完整</source>
        <translation>Данные элемента ZIP неполные</translation>
    </message>
    <message>
        <source>ZIP 条目过大或名称无效</source>
        <translation>Элемент ZIP слишком велик или имеет недопустимое имя</translation>
    </message>
    <message>
        <source>ZIP 文件数量过多</source>
        <translation>В файле ZIP слишком много элементов</translation>
    </message>
</context>
</TS>
