<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="zh_CN">
<context>
    <name>DocumentAnalyzer</name>
    <message>
        <source>A4 横向</source>
        <translation>A4 가로</translation>
    </message>
    <message>
        <source> 横向</source>
        <translation> 가로</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>文件识别页数，不可手动修改</source>
        <translation>파일에서 인식한 페이지 수이며 직접 수정할 수 없습니다</translation>
    </message>
    <message>
        <source>未能识别文件页数</source>
        <translation>페이지 수를 인식하지 못했습니다</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>未能读取文档纸张尺寸</source>
        <translation>문서 용지 크기를 읽지 못했습니다</translation>
    </message>
    <message>
        <source>文档纸张尺寸：%1</source>
        <translation>문서 용지 크기: %1</translation>
    </message>
    <message>
        <source>旧版 DOC 识别受限</source>
        <translation>구형 DOC 인식 제한</translation>
    </message>
    <message>
        <source>未安装 LibreOffice，且该 DOC 文件没有可用的内置页数。
PDF 和 DOCX 仍可正常使用；如需识别此类旧版 DOC，请安装 LibreOffice。</source>
        <translation>LibreOffice가 설치되어 있지 않고 이 DOC 파일에는 사용할 수 있는 내장 페이지 수가 없습니다.
PDF와 DOCX는 계속 정상적으로 사용할 수 있습니다. 이러한 구형 DOC 파일을 인식하려면 LibreOffice를 설치하십시오.</translation>
    </message>
    <message>
        <source>文档页数识别完成</source>
        <translation>문서 페이지 수 인식 완료</translation>
    </message>
    <message>
        <source>Orvanta v%1 - 文档打印核价</source>
        <translation>Orvanta v%1 - 문서 인쇄 견적</translation>
    </message>
    <message>
        <source>切换语言</source>
        <translation>언어 변경</translation>
    </message>
    <message>
        <source>语言设置已保存，重启软件后生效。是否现在重启？</source>
        <translation>언어 설정이 저장되었으며 다시 시작한 후 적용됩니다. 지금 다시 시작하시겠습니까?</translation>
    </message>
    <message>
        <source>新语言将在下次启动时生效</source>
        <translation>새 언어는 다음 실행 시 적용됩니다</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>가격 프로필</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的颜色</source>
        <translation>목록의 모든 파일 색상을 일괄 설정합니다</translation>
    </message>
    <message>
        <source>装订</source>
        <translation>제본</translation>
    </message>
    <message>
        <source>统一设置列表中所有文件的装订方式</source>
        <translation>목록의 모든 파일 제본 방식을 일괄 설정합니다</translation>
    </message>
    <message>
        <source>单双面</source>
        <translation>단면/양면</translation>
    </message>
    <message>
        <source>单面</source>
        <translation>단면</translation>
    </message>
    <message>
        <source>双面</source>
        <translation>양면</translation>
    </message>
    <message>
        <source>双面打印时使用当前价格角色的双面价格系数</source>
        <translation>양면 인쇄 시 현재 가격 프로필의 양면 가격 계수를 사용합니다</translation>
    </message>
    <message>
        <source>份数</source>
        <translation>부수</translation>
    </message>
    <message>
        <source>设置所有文件的打印份数</source>
        <translation>모든 파일의 인쇄 부수를 설정합니다</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>가격 설정</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>비우기</translation>
    </message>
    <message>
        <source>文件名称  ▼</source>
        <translation>파일 이름  ▼</translation>
    </message>
    <message>
        <source>页数  ▼</source>
        <translation>페이지  ▼</translation>
    </message>
    <message>
        <source>尺寸  ▼</source>
        <translation>크기  ▼</translation>
    </message>
    <message>
        <source>单价/页</source>
        <translation>단가/페이지</translation>
    </message>
    <message>
        <source>装订方式</source>
        <translation>제본 방식</translation>
    </message>
    <message>
        <source>小计</source>
        <translation>소계</translation>
    </message>
    <message>
        <source>合计：</source>
        <translation>합계:</translation>
    </message>
    <message>
        <source>0 个</source>
        <translation>파일 0개</translation>
    </message>
    <message>
        <source>0 页</source>
        <translation>0페이지</translation>
    </message>
    <message>
        <source>导出报价单 ▾</source>
        <translation>견적서 내보내기 ▾</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>PDF 견적서 내보내기</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Excel 명세 내보내기</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>装订费：%1/份</source>
        <translation>제본비: 부당 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n 个文件</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 页</source>
        <translation>
            <numerusform>%n페이지</numerusform>
        </translation>
    </message>
    <message>
        <source>商品：%1
起步费：%2
折扣：%3
税前：%4
税额（%5%）：%6</source>
        <translation>상품: %1
기본료: %2
할인: %3
세전: %4
세액(%5%): %6</translation>
    </message>
    <message>
        <source>没有找到支持的 PDF、Word、WPS 或图片文件</source>
        <translation>지원되는 PDF, Word, WPS 또는 이미지 파일을 찾지 못했습니다</translation>
    </message>
    <message>
        <source>导入完成</source>
        <translation>가져오기 완료</translation>
    </message>
    <message>
        <source>导入了 0 个文件，%1 个不支持的文件未导入</source>
        <translation>가져온 파일이 없습니다. 지원되지 않는 파일 %1개는 가져오지 않았습니다</translation>
    </message>
    <message>
        <source>所选文档已在清单中</source>
        <translation>선택한 문서가 이미 목록에 있습니다</translation>
    </message>
    <message>
        <source>导入了 %1 个文件，%2 个不支持的文件未导入</source>
        <translation>파일 %1개를 가져왔습니다. 지원되지 않는 파일 %2개는 가져오지 않았습니다</translation>
    </message>
    <message>
        <source>正在后台识别页数，识别结果不可手动修改</source>
        <translation>백그라운드에서 페이지 수를 인식하는 중이며 결과는 직접 수정할 수 없습니다</translation>
    </message>
    <message>
        <source>正在识别文档纸张尺寸</source>
        <translation>문서 용지 크기를 인식하는 중</translation>
    </message>
    <message>
        <source>双击可修改份数</source>
        <translation>두 번 클릭하여 부수 변경</translation>
    </message>
    <message>
        <source>双击可修改单价</source>
        <translation>두 번 클릭하여 단가 변경</translation>
    </message>
    <message>
        <source>单击可修改颜色</source>
        <translation>클릭하여 색상 변경</translation>
    </message>
    <message>
        <source>清单已清空</source>
        <translation>목록을 비웠습니다</translation>
    </message>
    <message>
        <source>名称：A → Z</source>
        <translation>이름: A → Z</translation>
    </message>
    <message>
        <source>名称：Z → A</source>
        <translation>이름: Z → A</translation>
    </message>
    <message>
        <source>文件格式：A → Z</source>
        <translation>파일 형식: A → Z</translation>
    </message>
    <message>
        <source>文件格式：Z → A</source>
        <translation>파일 형식: Z → A</translation>
    </message>
    <message>
        <source>创建时间：新 → 旧</source>
        <translation>만든 날짜: 최신 → 오래됨</translation>
    </message>
    <message>
        <source>创建时间：旧 → 新</source>
        <translation>만든 날짜: 오래됨 → 최신</translation>
    </message>
    <message>
        <source>文件大小：大 → 小</source>
        <translation>파일 크기: 큼 → 작음</translation>
    </message>
    <message>
        <source>文件大小：小 → 大</source>
        <translation>파일 크기: 작음 → 큼</translation>
    </message>
    <message>
        <source>页数：升序</source>
        <translation>페이지 수: 오름차순</translation>
    </message>
    <message>
        <source>页数：降序</source>
        <translation>페이지 수: 내림차순</translation>
    </message>
    <message>
        <source>尺寸：升序（小 → 大）</source>
        <translation>크기: 오름차순(작음 → 큼)</translation>
    </message>
    <message>
        <source>尺寸：降序（大 → 小）</source>
        <translation>크기: 내림차순(큼 → 작음)</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>잉크젯 컬러</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>레이저 컬러</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>흑백</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>모서리 스테이플</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>2곳 스테이플</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>중철 제본</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>무선 제본</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>플라스틱 링 제본</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>와이어 링 제본</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>스프링 제본</translation>
    </message>
    <message>
        <source>无装订</source>
        <translation>제본 없음</translation>
    </message>
    <message>
        <source>数据库错误</source>
        <translation>데이터베이스 오류</translation>
    </message>
    <message>
        <source>数据库升级失败</source>
        <translation>데이터베이스 업그레이드 실패</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>저장 실패</translation>
    </message>
    <message>
        <source>价格设置读取失败，本次运行不会保存价格设置。
%1</source>
        <translation>가격 설정을 읽지 못했습니다. 이번 실행 중에는 가격 설정을 저장하지 않습니다.
%1</translation>
    </message>
    <message>
        <source>价格设置未写入，原有数据已保留。
%1</source>
        <translation>가격 설정을 저장하지 못했습니다. 기존 데이터는 유지됩니다.
%1</translation>
    </message>
    <message>
        <source>数据库不可用，价格设置未保存。</source>
        <translation>데이터베이스를 사용할 수 없어 가격 설정을 저장하지 못했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>正在后台识别页数，还剩 %n 个文档…</source>
        <translation>
            <numerusform>백그라운드에서 페이지 수 인식 중, 남은 문서 %n개…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已添加 %n 个文档，正在后台识别页数…</source>
        <translation>
            <numerusform>문서 %n개를 추가했습니다. 백그라운드에서 페이지 수 인식 중…</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已从清单中移除 %n 个文档</source>
        <translation>
            <numerusform>목록에서 문서 %n개를 제거했습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>/打印报价单_%1.pdf</source>
        <translation>/인쇄견적서_%1.pdf</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>PDF 报价单已导出：%1</source>
        <translation>PDF 견적서를 내보냈습니다: %1</translation>
    </message>
    <message>
        <source>/核价明细_%1.xlsx</source>
        <translation>/가격 명세_%1.xlsx</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel 통합 문서 (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>내보내기 실패</translation>
    </message>
    <message>
        <source>无法写入 PDF 报价单：%1
%2</source>
        <translation>PDF 견적서를 쓸 수 없습니다: %1
%2</translation>
    </message>
    <message>
        <source>无法生成 PDF 页面</source>
        <translation>PDF 페이지를 만들 수 없습니다</translation>
    </message>
    <message>
        <source>%1（%2/份）</source>
        <translation>%1 (%2/부)</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>사업자등록번호</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>고객</translation>
    </message>
    <message>
        <source>报价编号：%1&lt;br&gt;价格角色：%2&lt;br&gt;报价日期：%3&lt;br&gt;有效期至：%4&lt;br&gt;币种：%5&lt;br&gt;打印方式：%6</source>
        <translation>견적 번호: %1&lt;br&gt;가격 프로필: %2&lt;br&gt;견적일: %3&lt;br&gt;유효기간: %4&lt;br&gt;통화: %5&lt;br&gt;인쇄 방식: %6</translation>
    </message>
    <message>
        <source>纸张/克重：%1</source>
        <translation>용지/평량: %1</translation>
    </message>
    <message>
        <source>Excel 明细已导出：%1</source>
        <translation>Excel 명세를 내보냈습니다: %1</translation>
    </message>
    <message>
        <source>Excel 工作表内容生成失败。</source>
        <translation>Excel 워크시트 내용을 생성하지 못했습니다.</translation>
    </message>
    <message>
        <source>无法写入 Excel 文件：%1</source>
        <translation>Excel 파일을 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>打印核价明细</source>
        <translation>인쇄 가격 명세</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>통화</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>세율</translation>
    </message>
    <message>
        <source>含税合计</source>
        <translation>세금 포함 합계</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>회사명</translation>
    </message>
    <message>
        <source>纸张/克重</source>
        <translation>용지/평량</translation>
    </message>
    <message>
        <source>打印方式</source>
        <translation>인쇄 방식</translation>
    </message>
    <message>
        <source>有效期至</source>
        <translation>유효 기한</translation>
    </message>
    <message>
        <source>文件名称</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>페이지 수</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>商品金额：%1&lt;br&gt;起步费：%2&lt;br&gt;数量折扣：−%3&lt;br&gt;整单折扣：−%4&lt;br&gt;税前金额：%5&lt;br&gt;税额（%6%）：%7&lt;br&gt;&lt;strong&gt;合计：%8&lt;/strong&gt;</source>
        <translation>품목 금액: %1&lt;br&gt;기본 요금: %2&lt;br&gt;수량 할인: −%3&lt;br&gt;견적 할인: −%4&lt;br&gt;세전 금액: %5&lt;br&gt;세액(%6%): %7&lt;br&gt;&lt;strong&gt;합계: %8&lt;/strong&gt;</translation>
    </message>
    <message>
        <source>以上价格已含税</source>
        <translation>위 가격은 세금 포함입니다</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>결제 조건</translation>
    </message>
    <message>
        <source>本报价由 Orvanta 生成，最终价格以实际生产确认为准。</source>
        <translation>이 견적서는 Orvanta에서 생성되었으며, 최종 가격은 실제 제작 시 확정됩니다.</translation>
    </message>
    <message>
        <source>文档打印报价单</source>
        <translation>문서 인쇄 견적서</translation>
    </message>
    <message>
        <source>装订费</source>
        <translation>제본 비용</translation>
    </message>
    <message>
        <source>商品金额</source>
        <translation>상품 금액</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>기본료</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>수량 할인</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>견적 할인</translation>
    </message>
    <message>
        <source>税前金额</source>
        <translation>세전 금액</translation>
    </message>
    <message>
        <source>把文档、图片或文件夹拖到这里即可开始
支持 PDF、Word（DOC、DOCX）、WPS 文档和 JPG、PNG、BMP、GIF、WebP、TIFF 图片</source>
        <translation>문서, 이미지 또는 폴더를 여기로 끌어다 놓으면 시작됩니다
PDF, Word(DOC, DOCX), WPS 문서와 JPG, PNG, BMP, GIF, WebP, TIFF 이미지 지원</translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件设为%1</source>
        <translation>
            <numerusform>파일 %n개를 %1(으)로 설정했습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的装订方式设为%1</source>
        <translation>
            <numerusform>파일 %n개의 제본 방식을 %1(으)로 설정했습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置份数</source>
        <translation>부수 일괄 설정</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少份？</source>
        <translation>
            <numerusform>선택한 파일 %n개를 몇 부로 설정할까요?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>已将 %n 个文件的份数设为 %1</source>
        <translation>
            <numerusform>파일 %n개의 부수를 %1(으)로 설정했습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>批量设置单价</source>
        <translation>단가 일괄 설정</translation>
    </message>
    <message numerus="yes">
        <source>将选中的 %n 个文件设置为多少 %1？</source>
        <translation>
            <numerusform>선택한 파일 %n개의 단가를 몇 %1(으)로 설정할까요?</numerusform>
        </translation>
    </message>
    <message>
        <source>输入无效</source>
        <translation>잘못된 입력</translation>
    </message>
    <message>
        <source>请输入 0 到 9999 之间的有效金额。</source>
        <translation>0에서 9999 사이의 올바른 금액을 입력하세요.</translation>
    </message>
    <message numerus="yes">
        <source>已设置 %n 个文件的单价</source>
        <translation>
            <numerusform>파일 %n개의 단가를 설정했습니다</numerusform>
        </translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>打开文件所在位置</source>
        <translation>폴더에서 보기</translation>
    </message>
    <message>
        <source>份数…</source>
        <translation>부수…</translation>
    </message>
    <message>
        <source>单价…</source>
        <translation>단가…</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>위로 이동</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>아래로 이동</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>목록에서 제거</translation>
    </message>
    <message>
        <source>无法打开文件</source>
        <translation>파일을 열 수 없음</translation>
    </message>
    <message>
        <source>无法使用电脑默认软件打开该文件：
%1</source>
        <translation>기본 프로그램으로 이 파일을 열 수 없습니다:
%1</translation>
    </message>
    <message>
        <source>无法定位文件</source>
        <translation>파일 위치를 열 수 없음</translation>
    </message>
    <message>
        <source>无法打开文件所在位置：
%1</source>
        <translation>이 파일이 있는 폴더를 열 수 없습니다:
%1</translation>
    </message>
    <message>
        <source>税额</source>
        <translation>세액</translation>
    </message>
    <message>
        <source>价格设置已保存</source>
        <translation>가격 설정을 저장했습니다.</translation>
    </message>
    <message>
        <source>按页计价：每页按其尺寸和颜色计价</source>
        <translation>페이지별 가격: 각 페이지를 해당 크기와 색상으로 계산</translation>
    </message>
    <message>
        <source>彩色页 %1 · %2</source>
        <translation>컬러 페이지 %1 · %2</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>페이지별 가격</translation>
    </message>
    <message>
        <source>按页明细</source>
        <translation>페이지 내역</translation>
    </message>
    <message>
        <source>页数由备用 PDF 阅读器识别，不可手动修改</source>
        <translation>페이지 수는 보조 PDF 리더로 인식되었습니다(수정 불가)</translation>
    </message>
    <message>
        <source>正在分析每页颜色和尺寸 %1/%2</source>
        <translation>페이지별 색상과 크기 분석 중 %1/%2</translation>
    </message>
    <message>
        <source>没有逐页的颜色和尺寸信息</source>
        <translation>페이지별 색상 및 크기 정보가 없습니다</translation>
    </message>
    <message>
        <source>彩色 %1 页，黑白 %2 页
各尺寸页数：%3</source>
        <translation>컬러 %1페이지, 흑백 %2페이지
크기별 페이지 수: %3</translation>
    </message>
    <message>
        <source>按页计价：每页平均单价，双击可修改</source>
        <translation>페이지별 계산: 페이지당 평균 단가(더블클릭하여 수정)</translation>
    </message>
    <message>
        <source>页数为估计值：文件已损坏，按其中的页面对象计数</source>
        <translation>추정 페이지 수: 파일이 손상되어 페이지 개체 수를 세었습니다</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>고객 이름</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>견적 기록</translation>
    </message>
    <message>
        <source>%1；报价记录未保存：%2</source>
        <translation>%1; 견적 기록에 저장하지 못했습니다: %2</translation>
    </message>
    <message>
        <source>部分文件已不存在</source>
        <translation>일부 파일이 없습니다</translation>
    </message>
    <message>
        <source>以下文件已不存在，未载入（其金额仍保存在报价记录中）：
%1</source>
        <translation>다음 파일이 없어 불러오지 않았습니다(금액은 견적 기록에 남아 있습니다):
%1</translation>
    </message>
    <message>
        <source>数据库不可用</source>
        <translation>데이터베이스를 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>按页计价的金额要等每页的颜色和尺寸检查完才确定</source>
        <translation>페이지별 요금은 각 페이지의 색상과 크기 확인이 끝나야 확정됩니다</translation>
    </message>
    <message>
        <source>暂不能导出</source>
        <translation>아직 내보낼 수 없음</translation>
    </message>
    <message numerus="yes">
        <source>当前价格角色按页计价，还有 %n 个文档正在检查每页的颜色和尺寸，检查完成前的金额不是最终金额。请等底部的“暂估”消失后再导出。</source>
        <translation>
            <numerusform>현재 가격 프로필은 페이지별로 계산합니다. 문서 %n개의 페이지 색상과 크기를 확인하는 중이므로 금액이 아직 확정되지 않았습니다. 하단의 ‘잠정’이 사라진 후 내보내십시오.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>暂估，%n 个文档仍在检查</source>
        <translation>
            <numerusform>잠정, 문서 %n개 확인 중</numerusform>
        </translation>
    </message>
    <message>
        <source>检查页面的辅助进程崩溃了</source>
        <translation>페이지를 확인하는 보조 프로세스가 충돌했습니다</translation>
    </message>
    <message>
        <source>检查页面的辅助进程超出了内存上限</source>
        <translation>페이지를 확인하는 보조 프로세스가 메모리 한도를 초과했습니다</translation>
    </message>
    <message>
        <source>检查页面超过了时间上限</source>
        <translation>페이지 확인이 시간 제한을 초과했습니다</translation>
    </message>
    <message>
        <source>页面详情不可用：%1（已单独重试一次），本行按整份文档计价</source>
        <translation>페이지 세부 정보를 사용할 수 없음: %1 (단독으로 한 번 재시도함). 이 행은 문서 전체로 계산됩니다</translation>
    </message>
    <message>
        <source>页面详情不可用</source>
        <translation>페이지 세부 정보 없음</translation>
    </message>
    <message>
        <source>页面详情不可用：%1，其他文档检查完后会单独再试一次</source>
        <translation>페이지 세부 정보를 사용할 수 없음: %1. 다른 문서를 확인한 후 단독으로 한 번 더 시도합니다</translation>
    </message>
    <message numerus="yes">
        <source>正在渲染 %n 个 Word 文件</source>
        <translation>
            <numerusform>Word 파일 %n개 렌더링 중</numerusform>
        </translation>
    </message>
    <message>
        <source>按文件存储页数计价：%1 页</source>
        <translation>저장된 페이지 수로 계산: %1페이지</translation>
    </message>
    <message>
        <source>按渲染页数计价：%1 页</source>
        <translation>렌더링 페이지 수로 계산: %1페이지</translation>
    </message>
    <message>
        <source>LibreOffice 无法打开此文件（文件损坏、受密码保护或格式不支持）</source>
        <translation>LibreOffice에서 이 파일을 열 수 없습니다(손상, 암호 보호 또는 지원되지 않는 형식)</translation>
    </message>
    <message>
        <source>LibreOffice 渲染此文件时卡住或崩溃</source>
        <translation>LibreOffice가 이 파일을 렌더링하는 중 멈추거나 충돌했습니다</translation>
    </message>
    <message>
        <source>LibreOffice 渲染结果没有页面</source>
        <translation>LibreOffice 렌더링 결과에 페이지가 없습니다</translation>
    </message>
    <message>
        <source>%1；未用渲染页数：%2</source>
        <translation>%1; 렌더링 페이지 수 미사용: %2</translation>
    </message>
    <message>
        <source>页数来自 LibreOffice 渲染（文件未存储页数），不可手动修改</source>
        <translation>LibreOffice 렌더링으로 얻은 페이지 수(파일에 저장된 값 없음), 직접 수정할 수 없음</translation>
    </message>
    <message>
        <source>文件存储页数与 LibreOffice 渲染页数一致，不可手动修改</source>
        <translation>저장된 페이지 수가 LibreOffice 렌더링과 일치함, 직접 수정할 수 없음</translation>
    </message>
    <message>
        <source>按 LibreOffice 渲染页数 %2 计价（文件存储 %1 页），可在右键菜单或点击页数改回存储页数</source>
        <translation>LibreOffice 렌더링 %2페이지로 계산(파일 저장값 %1페이지). 오른쪽 클릭 메뉴나 페이지 수를 클릭하여 저장값으로 되돌릴 수 있음</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差较大；按存储页数计价，可在右键菜单或点击页数改用渲染页数</source>
        <translation>파일 저장값 %1페이지, LibreOffice 렌더링 %2페이지로 차이가 큼. 저장값으로 계산 중이며 오른쪽 클릭 메뉴나 페이지 수를 클릭하여 렌더링 값으로 바꿀 수 있음</translation>
    </message>
    <message>
        <source>文件存储 %1 页，LibreOffice 渲染 %2 页，相差很小（多因字体不同），按存储页数计价</source>
        <translation>파일 저장값 %1페이지, LibreOffice 렌더링 %2페이지. 차이가 작음(주로 글꼴 차이). 저장값으로 계산</translation>
    </message>
    <message>
        <source>按渲染页数计价</source>
        <translation>렌더링 페이지 수로 계산</translation>
    </message>
    <message>
        <source>* 页数来自 LibreOffice 渲染；≠ 文件存储页数与渲染页数相差较大，其后为未计价的另一页数</source>
        <translation>* LibreOffice 렌더링으로 얻은 페이지 수; ≠ 저장값과 렌더링 값의 차이가 큼(뒤의 숫자는 계산에 쓰이지 않은 값)</translation>
    </message>
</context>
<context>
    <name>PageLoadingIndicator</name>
    <message>
        <source>正在后台识别页数</source>
        <translation>백그라운드에서 페이지 수 인식 중</translation>
    </message>
    <message>
        <source>%1 彩</source>
        <translation>%1 컬러</translation>
    </message>
</context>
<context>
    <name>PriceSettingsDialog</name>
    <message>
        <source>重命名</source>
        <translation>이름 변경</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>尚未添加自定义装订方式。</source>
        <translation>추가된 사용자 제본 방식이 없습니다.</translation>
    </message>
    <message>
        <source>新增装订方式</source>
        <translation>제본 방식 추가</translation>
    </message>
    <message>
        <source>装订方式名称</source>
        <translation>제본 방식 이름</translation>
    </message>
    <message>
        <source>名称已存在</source>
        <translation>이미 있는 이름</translation>
    </message>
    <message>
        <source>请使用其他装订方式名称。</source>
        <translation>다른 제본 방식 이름을 사용하세요.</translation>
    </message>
    <message>
        <source>重命名装订方式</source>
        <translation>제본 방식 이름 변경</translation>
    </message>
    <message>
        <source>删除装订方式</source>
        <translation>제본 방식 삭제</translation>
    </message>
    <message>
        <source>确定删除“%1”吗？相关价格设置也会删除。</source>
        <translation>“%1”을(를) 삭제할까요? 관련 가격 설정도 삭제됩니다.</translation>
    </message>
    <message>
        <source>价格设置</source>
        <translation>가격 설정</translation>
    </message>
    <message>
        <source>按纸张尺寸计价</source>
        <translation>용지 크기별 가격</translation>
    </message>
    <message>
        <source>识别文档尺寸后自动匹配每页单价；未识别的规格使用“其他”。</source>
        <translation>문서 크기를 인식하면 페이지당 단가가 자동으로 적용됩니다. 인식하지 못한 크기에는 “기타”가 사용됩니다.</translation>
    </message>
    <message>
        <source>地区格式</source>
        <translation>지역 형식</translation>
    </message>
    <message>
        <source>跟随系统（%1）</source>
        <translation>시스템 설정 따름 (%1)</translation>
    </message>
    <message>
        <source>币种</source>
        <translation>통화</translation>
    </message>
    <message>
        <source>税率</source>
        <translation>세율</translation>
    </message>
    <message>
        <source>输入价格已含税</source>
        <translation>입력 가격에 세금 포함</translation>
    </message>
    <message>
        <source>商业计价规则</source>
        <translation>상거래 가격 규칙</translation>
    </message>
    <message>
        <source>例如：80 gsm uncoated</source>
        <translation>예: 80 gsm 비코팅지</translation>
    </message>
    <message>
        <source>纸张/克重说明</source>
        <translation>용지/평량 설명</translation>
    </message>
    <message>
        <source>双面价格系数</source>
        <translation>양면 가격 계수</translation>
    </message>
    <message>
        <source>起步费</source>
        <translation>기본 요금</translation>
    </message>
    <message>
        <source>最低消费</source>
        <translation>최소 금액</translation>
    </message>
    <message>
        <source>整单折扣</source>
        <translation>견적 전체 할인</translation>
    </message>
    <message>
        <source>数量折扣门槛</source>
        <translation>수량 할인 기준</translation>
    </message>
    <message>
        <source>数量折扣</source>
        <translation>수량 할인</translation>
    </message>
    <message>
        <source>金额舍入单位</source>
        <translation>금액 반올림 단위</translation>
    </message>
    <message>
        <source>数量按所有文件的份数合计；门槛为 0 表示不启用数量折扣。</source>
        <translation>수량은 모든 파일의 부수 합계입니다.
기준이 0이면 수량 할인을 적용하지 않습니다.</translation>
    </message>
    <message>
        <source>价格角色</source>
        <translation>가격 프로필</translation>
    </message>
    <message>
        <source>通用</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>黑白</source>
        <translation>흑백</translation>
    </message>
    <message>
        <source>喷墨彩</source>
        <translation>잉크젯 컬러</translation>
    </message>
    <message>
        <source>激光彩</source>
        <translation>레이저 컬러</translation>
    </message>
    <message>
        <source>统一单价</source>
        <translation>일괄 단가</translation>
    </message>
    <message>
        <source>应用到全部尺寸</source>
        <translation>모든 크기에 적용</translation>
    </message>
    <message>
        <source>每页单价</source>
        <translation>페이지당 단가</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>装订方式单价（每份）</source>
        <translation>제본 단가(부당)</translation>
    </message>
    <message>
        <source>角钉</source>
        <translation>모서리 스테이플</translation>
    </message>
    <message>
        <source>双钉</source>
        <translation>2곳 스테이플</translation>
    </message>
    <message>
        <source>骑马钉</source>
        <translation>중철 제본</translation>
    </message>
    <message>
        <source>胶装</source>
        <translation>무선 제본</translation>
    </message>
    <message>
        <source>梳式装订</source>
        <translation>플라스틱 링 제본</translation>
    </message>
    <message>
        <source>铁圈装订</source>
        <translation>와이어 링 제본</translation>
    </message>
    <message>
        <source>螺旋装订</source>
        <translation>스프링 제본</translation>
    </message>
    <message>
        <source>自定义装订方式</source>
        <translation>사용자 제본 방식</translation>
    </message>
    <message>
        <source>报价单商家信息</source>
        <translation>견적서 판매자 정보</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>회사명</translation>
    </message>
    <message>
        <source>税号</source>
        <translation>사업자 등록번호</translation>
    </message>
    <message>
        <source>联系方式</source>
        <translation>연락처</translation>
    </message>
    <message>
        <source>地址</source>
        <translation>주소</translation>
    </message>
    <message>
        <source>客户名称</source>
        <translation>고객명</translation>
    </message>
    <message>
        <source>客户联系方式</source>
        <translation>고객 연락처</translation>
    </message>
    <message>
        <source>有效天数</source>
        <translation>유효 일수</translation>
    </message>
    <message>
        <source>付款条款</source>
        <translation>결제 조건</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>설정 저장</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>新增价格角色</source>
        <translation>가격 프로필 추가</translation>
    </message>
    <message>
        <source>角色名称</source>
        <translation>프로필 이름</translation>
    </message>
    <message>
        <source>请使用其他角色名称。</source>
        <translation>다른 프로필 이름을 사용하세요.</translation>
    </message>
    <message>
        <source>重命名价格角色</source>
        <translation>가격 프로필 이름 변경</translation>
    </message>
    <message>
        <source>无法删除</source>
        <translation>삭제할 수 없음</translation>
    </message>
    <message>
        <source>至少需要保留一个价格角色。</source>
        <translation>가격 프로필은 하나 이상 있어야 합니다.</translation>
    </message>
    <message>
        <source>删除价格角色</source>
        <translation>가격 프로필 삭제</translation>
    </message>
    <message>
        <source>确定删除“%1”及其全部价格设置吗？</source>
        <translation>“%1” 및 모든 가격 설정을 삭제할까요?</translation>
    </message>
    <message>
        <source>按页计价</source>
        <translation>페이지별 계산</translation>
    </message>
    <message>
        <source>逐页识别颜色和尺寸：每页按自身尺寸计价，彩色文件中的黑白页按黑白单价计价。手动输入的单价仍然优先。</source>
        <translation>페이지마다 색상과 크기를 인식합니다. 각 페이지는 자체 크기로 계산되며, 컬러 문서의 흑백 페이지는 흑백 단가로 계산됩니다. 직접 입력한 단가가 계속 우선합니다.</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryModel</name>
    <message>
        <source>报价编号</source>
        <translation>견적 번호</translation>
    </message>
    <message>
        <source>日期</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>고객</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>페이지</translation>
    </message>
    <message>
        <source>合计</source>
        <translation>합계</translation>
    </message>
</context>
<context>
    <name>QuoteHistoryWindow</name>
    <message>
        <source>不限</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>报价记录</source>
        <translation>견적 기록</translation>
    </message>
    <message>
        <source>编号、客户或文件名</source>
        <translation>번호, 고객 또는 파일 이름</translation>
    </message>
    <message>
        <source>从</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>至</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>导出 PDF</source>
        <translation>PDF 내보내기</translation>
    </message>
    <message>
        <source>导出 Excel</source>
        <translation>Excel 내보내기</translation>
    </message>
    <message>
        <source>载入清单</source>
        <translation>목록으로 불러오기</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message numerus="yes">
        <source>%n 条报价</source>
        <translation>
            <numerusform>견적 %n건</numerusform>
        </translation>
    </message>
    <message>
        <source>报价记录无法读取：%1</source>
        <translation>견적 기록을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>无法重新导出</source>
        <translation>다시 내보낼 수 없습니다</translation>
    </message>
    <message>
        <source>这条报价记录不含完整明细，只能查看和删除。</source>
        <translation>이 견적 기록에는 전체 내역이 없어 보기와 삭제만 할 수 있습니다.</translation>
    </message>
    <message>
        <source>导出 PDF 报价单</source>
        <translation>PDF 견적서 내보내기</translation>
    </message>
    <message>
        <source>导出 Excel 明细</source>
        <translation>Excel 내역 내보내기</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF 파일 (*.pdf)</translation>
    </message>
    <message>
        <source>Excel 工作簿 (*.xlsx)</source>
        <translation>Excel 통합 문서 (*.xlsx)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>내보내기 실패</translation>
    </message>
    <message>
        <source>已导出：%1</source>
        <translation>내보냄: %1</translation>
    </message>
    <message>
        <source>无法载入</source>
        <translation>불러올 수 없습니다</translation>
    </message>
    <message>
        <source>删除报价记录</source>
        <translation>견적 기록 삭제</translation>
    </message>
    <message>
        <source>删除报价 %1？此操作无法撤销。</source>
        <translation>견적 %1을(를) 삭제할까요? 되돌릴 수 없습니다.</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>삭제 실패</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>ZIP 条目解压失败</source>
        <translation>ZIP 항목 압축 해제 실패</translation>
    </message>
    <message>
        <source>ZIP 条目校验失败</source>
        <translation>ZIP 항목 검증 실패</translation>
    </message>
    <message>
        <source>不支持的 ZIP 压缩算法：%1</source>
        <translation>지원되지 않는 ZIP 압축 방식: %1</translation>
    </message>
    <message>
        <source>ZIP 文件过小或已损坏</source>
        <translation>ZIP 파일이 너무 작거나 손상되었습니다</translation>
    </message>
    <message>
        <source>找不到 ZIP 中央目录</source>
        <translation>ZIP 중앙 디렉터리를 찾을 수 없습니다</translation>
    </message>
    <message>
        <source>ZIP 中央目录已损坏</source>
        <translation>ZIP 중앙 디렉터리가 손상되었습니다</translation>
    </message>
    <message>
        <source>ZIP 中不存在条目：%1</source>
        <translation>ZIP에 항목이 없습니다: %1</translation>
    </message>
    <message>
        <source>不支持加密的 ZIP 条目</source>
        <translation>암호화된 ZIP 항목은 지원되지 않습니다</translation>
    </message>
    <message>
        <source>ZIP 本地文件头已损坏</source>
        <translation>ZIP 로컬 파일 헤더가 손상되었습니다</translation>
    </message>
    <message>
        <source>ZIP 条目数据不完整</source>
        <translation>ZIP 항목 데이터가 불완전합니다</translation>
    </message>
    <message>
        <source>ZIP 条目过大或名称无效</source>
        <translation>ZIP 항목이 너무 크거나 이름이 잘못되었습니다</translation>
    </message>
    <message>
        <source>ZIP 文件数量过多</source>
        <translation>ZIP 파일의 항목이 너무 많습니다</translation>
    </message>
</context>
</TS>
