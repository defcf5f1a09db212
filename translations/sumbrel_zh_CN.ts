<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name></name>
    <message id="화살표 키로 이동하고 확인 키로 누르세요. 뒤로 키는 이전 화면, 별표 키는 다시 듣기입니다.">
        <source></source>
        <translation>用方向键移动，按确认键选择。返回键回到上一个画面，星号键重听。</translation>
    </message>
    <message id="주문을 시작합니다. 매장 식사 또는 포장 주문을 고르세요.">
        <source></source>
        <translation>开始点餐。请选择堂食或外带。</translation>
    </message>
    <message id="주문을 시작합니다. 포장 주문을 누르세요.">
        <source></source>
        <translation>开始点餐。请按外带。</translation>
    </message>
    <message id="쉬운 주문 설정입니다. 음성 안내, 낮은 화면, 크게 보기, 고대비를 켜거나 끄고 주문 시작을 누르세요.">
        <source></source>
        <translation>简易点餐设置。可开启或关闭语音引导、低位显示、放大显示和高对比度，然后按开始点餐。</translation>
    </message>
    <message id="메뉴 화면입니다. %1 분류">
        <source></source>
        <translation>菜单画面。类别：%1</translation>
    </message>
    <message id=", 메뉴 %1개.">
        <source></source>
        <translation>，共%1个菜品。</translation>
    </message>
    <message id="담은 메뉴 %1개.">
        <source></source>
        <translation>已选%1个菜品。</translation>
    </message>
    <message id="메뉴를 고르면 수량과 옵션을 정할 수 있습니다. 다 고르면 선택완료를 누르세요.">
        <source></source>
        <translation>选择菜品后可设定数量和选项。选好后请按选好了。</translation>
    </message>
    <message id="%1, %2원.">
        <source></source>
        <translation>%1，%2韩元。</translation>
    </message>
    <message id="옵션 %1가지를 고를 수 있습니다.">
        <source></source>
        <translation>可选择%1项选项。</translation>
    </message>
    <message id="수량을 정하고 주문 담기를 누르세요. 뒤로 키는 담지 않고 닫습니다.">
        <source></source>
        <translation>请设定数量后按加入订单。返回键不加入直接关闭。</translation>
    </message>
    <message id="휴대폰 번호를 숫자 키로 입력하고 접수을 누르세요. 뒤로 키는 한 자리를 지웁니다.">
        <source></source>
        <translation>请用数字键输入手机号码后按提交。返回键删除一位。</translation>
    </message>
    <message id="휴대폰 번호를 숫자 키로 입력하고 다음을 누르세요. 뒤로 키는 한 자리를 지웁니다.">
        <source></source>
        <translation>请用数字键输入手机号码后按下一步。返回键删除一位。</translation>
    </message>
    <message id="차량 번호 네 자리를 숫자 키로 입력하고 접수을 누르세요.">
        <source></source>
        <translation>请用数字键输入车牌号的四位数字后按提交。</translation>
    </message>
    <message id="차량 번호 네 자리를 숫자 키로 입력하고 다음을 누르세요.">
        <source></source>
        <translation>请用数字键输入车牌号的四位数字后按下一步。</translation>
    </message>
    <message id="결제 방법을 고르세요. 현금결제 또는 카드결제입니다.">
        <source></source>
        <translation>请选择支付方式：现金支付或刷卡支付。</translation>
    </message>
    <message id=", 버튼">
        <source></source>
        <translation>，按钮</translation>
    </message>
    <message id=", 사용할 수 없음">
        <source></source>
        <translation>，不可用</translation>
    </message>
    <message id=", 켜짐">
        <source></source>
        <translation>，已开启</translation>
    </message>
    <message id=", 꺼짐">
        <source></source>
        <translation>，已关闭</translation>
    </message>
    <message id=", 옵션 있음">
        <source></source>
        <translation>，有选项</translation>
    </message>
    <message id=", 선택됨">
        <source></source>
        <translation>，已选择</translation>
    </message>
    <message id=", 선택 안 됨">
        <source></source>
        <translation>，未选择</translation>
    </message>
    <message id="수량 %1">
        <source></source>
        <translation>数量%1</translation>
    </message>
    <message id="%1쪽 중 %2쪽">
        <source></source>
        <translation>第%2页，共%1页</translation>
    </message>
    <message id="%1번, %2, %3개, %4">
        <source></source>
        <translation>第%1项，%2，%3个，%4</translation>
    </message>
    <message id="%1 %2개를 담았습니다. 합계 %3">
        <source></source>
        <translation>已加入%1 %2个。合计%3</translation>
    </message>
    <message id="%1에서 %2개 이상 고르세요.">
        <source></source>
        <translation>请在%1中至少选择%2项。</translation>
    </message>
    <message id="총 수량 %1, 합계 %2">
        <source></source>
        <translation>共%1项，合计%2</translation>
    </message>
    <message id="%1자리">
        <source></source>
        <translation>%1位</translation>
    </message>
    <message id="별">
        <source></source>
        <translation>星</translation>
    </message>
    <message id="%1초 후 %2. 계속하시려면 화면을 터치하거나 아무 키나 누르세요.">
        <source></source>
        <translation>%1秒后%2。如需继续，请触摸屏幕或按任意键。</translation>
    </message>
    <message id="지우기">
        <source></source>
        <translation>删除</translation>
    </message>
    <message id="닫기">
        <source></source>
        <translation>关闭</translation>
    </message>
    <message id="삭제">
        <source></source>
        <translation>移除</translation>
    </message>
    <message id="하나 더">
        <source></source>
        <translation>加一个</translation>
    </message>
    <message id="하나 빼기">
        <source></source>
        <translation>减一个</translation>
    </message>
    <message id="%1초">
        <source></source>
        <translation>%1秒</translation>
    </message>
    <message id="%1원">
        <source></source>
        <translation>%1韩元</translation>
    </message>
    <message id="%1초 후 처음 화면으로 돌아갑니다.">
        <source></source>
        <translation>%1秒后返回首页。</translation>
    </message>
    <message id="계속하시려면 화면을 터치하거나 아무 키나 누르세요.">
        <source></source>
        <translation>如需继续，请触摸屏幕或按任意键。</translation>
    </message>
    <message id="계속하시려면 화면을 터치해 주세요.">
        <source></source>
        <translation>如需继续，请触摸屏幕。</translation>
    </message>
    <message id="음량 %1">
        <source></source>
        <translation>音量%1</translation>
    </message>
    <message id="알림">
        <source></source>
        <translation>提示</translation>
    </message>
    <message id="경고">
        <source></source>
        <translation>警告</translation>
    </message>
    <message id="오류">
        <source></source>
        <translation>错误</translation>
    </message>
    <message id="확인">
        <source></source>
        <translation>确定</translation>
    </message>
    <message id="%1. 확인 키를 누르면 닫힙니다.">
        <source></source>
        <translation>%1。按确认键关闭。</translation>
    </message>
    <message id="감사합니다">
        <source></source>
        <translation>谢谢</translation>
    </message>
    <message id="잠시만 기다려 주세요 ~">
        <source></source>
        <translation>请稍候 ~</translation>
    </message>
    <message id="주문이 매장에 전달되었을 수 있습니다.">
        <source></source>
        <translation>订单可能已送达店铺。</translation>
    </message>
    <message id="다시 주문하기 전에 직원에게 확인해 주세요.">
        <source></source>
        <translation>再次下单前，请先向店员确认。</translation>
    </message>
    <message id="다음">
        <source></source>
        <translation>下一步</translation>
    </message>
    <message id="접수">
        <source></source>
        <translation>提交</translation>
    </message>
    <message id="접수 완료">
        <source></source>
        <translation>下单成功</translation>
    </message>
    <message id="접수 실패">
        <source></source>
        <translation>提交失败</translation>
    </message>
    <message id="이미 신청된 번호입니다.">
        <source></source>
        <translation>该号码已经下过单。</translation>
    </message>
    <message id="주문 전송 중">
        <source></source>
        <translation>正在发送订单</translation>
    </message>
    <message id="잠시만 기다려 주세요">
        <source></source>
        <translation>请稍候</translation>
    </message>
    <message id="주문을 전송하지 못했습니다. 다시 시도해 주세요.">
        <source></source>
        <translation>订单未能发送，请重试。</translation>
    </message>
    <message id="주문 내용을 만들 수 없습니다. 메뉴를 다시 선택해 주세요.">
        <source></source>
        <translation>无法生成订单，请重新选择菜品。</translation>
    </message>
    <message id="휴대폰 번호가 아닙니다!">
        <source></source>
        <translation>这不是手机号码！</translation>
    </message>
    <message id="4자리를 입력하세요!">
        <source></source>
        <translation>请输入4位数字！</translation>
    </message>
    <message id="메뉴를 선택하세요!">
        <source></source>
        <translation>请选择菜品！</translation>
    </message>
    <message id="현재 대기 %1명">
        <source></source>
        <translation>当前等候%1人</translation>
    </message>
    <message id="예상 대기 시간 %1">
        <source></source>
        <translation>预计等候时间%1</translation>
    </message>
    <message id="쉬운 주문">
        <source></source>
        <translation>简易点餐</translation>
    </message>
    <message id="필요한 도움을 켜고 주문 시작을 누르세요.">
        <source></source>
        <translation>请开启所需的帮助，然后按开始点餐。</translation>
    </message>
    <message id="음성 안내">
        <source></source>
        <translation>语音引导</translation>
    </message>
    <message id="낮은 화면">
        <source></source>
        <translation>低位显示</translation>
    </message>
    <message id="크게 보기">
        <source></source>
        <translation>放大显示</translation>
    </message>
    <message id="고대비">
        <source></source>
        <translation>高对比度</translation>
    </message>
    <message id="주문 시작">
        <source></source>
        <translation>开始点餐</translation>
    </message>
    <message id="번호변경">
        <source></source>
        <translation>更改号码</translation>
    </message>
    <message id="현재 대기">
        <source></source>
        <translation>当前等候</translation>
    </message>
    <message id="명">
        <source></source>
        <translation>人</translation>
    </message>
    <message id="예상 대기 시간">
        <source></source>
        <translation>预计等候时间</translation>
    </message>
    <message id="메뉴선택">
        <source></source>
        <translation>选菜品</translation>
    </message>
    <message id="매장 식사">
        <source></source>
        <translation>堂食</translation>
    </message>
    <message id="포장 주문">
        <source></source>
        <translation>外带</translation>
    </message>
    <message id="휴대폰 번호를 입력하세요.">
        <source></source>
        <translation>请输入手机号码。</translation>
    </message>
    <message id="차량 번호를 입력하세요.">
        <source></source>
        <translation>请输入车牌号。</translation>
    </message>
    <message id="현금결제">
        <source></source>
        <translation>现金支付</translation>
    </message>
    <message id="카드결제">
        <source></source>
        <translation>刷卡支付</translation>
    </message>
    <message id="초 후 자동 종료됩니다.">
        <source></source>
        <translation>秒后自动关闭。</translation>
    </message>
    <message id="처음 화면">
        <source></source>
        <translation>首页</translation>
    </message>
    <message id="휴대폰 번호 입력">
        <source></source>
        <translation>输入手机号码</translation>
    </message>
    <message id="차량 번호 입력">
        <source></source>
        <translation>输入车牌号</translation>
    </message>
    <message id="결제 방법 선택">
        <source></source>
        <translation>选择支付方式</translation>
    </message>
    <message id="주문 내역">
        <source></source>
        <translation>订单明细</translation>
    </message>
    <message id="%1 수량 %2">
        <source></source>
        <translation>%1，数量%2</translation>
    </message>
    <message id="%1 하나 빼기">
        <source></source>
        <translation>%1减一个</translation>
    </message>
    <message id="%1 하나 더">
        <source></source>
        <translation>%1加一个</translation>
    </message>
    <message id="%1 삭제">
        <source></source>
        <translation>移除%1</translation>
    </message>
    <message id="합계 %1">
        <source></source>
        <translation>合计%1</translation>
    </message>
    <message id="메뉴를 불러오는 중입니다">
        <source></source>
        <translation>正在加载菜单</translation>
    </message>
    <message id="취소">
        <source></source>
        <translation>取消</translation>
    </message>
    <message id="메뉴를 불러오지 못했습니다. 잠시 후 다시 시도해 주세요.">
        <source></source>
        <translation>菜单加载失败。请稍后再试。</translation>
    </message>
    <message id="%1 (최소: %2개 선택)">
        <source></source>
        <translation>%1（至少选%2项）</translation>
    </message>
    <message id="현재 분류">
        <source></source>
        <translation>当前类别</translation>
    </message>
    <message id="총 수량 %1">
        <source></source>
        <translation>共%1项</translation>
    </message>
    <message id="메뉴 갯수 한계만큼 주문되었습니다!">
        <source></source>
        <translation>订单菜品数量已达上限。</translation>
    </message>
    <message id="메뉴 오류입니다!">
        <source></source>
        <translation>菜单出错。</translation>
    </message>
    <message id="프로그램 종료 후 다시 시작하세요">
        <source></source>
        <translation>请关闭程序后重新启动。</translation>
    </message>
    <message id="메뉴 선택이 취소됩니다">
        <source></source>
        <translation>菜品选择将被取消</translation>
    </message>
    <message id="합계">
        <source></source>
        <translation>合计</translation>
    </message>
    <message id="메뉴 선택">
        <source></source>
        <translation>选择菜品</translation>
    </message>
    <message id="추가 금액 없음">
        <source></source>
        <translation>不加价</translation>
    </message>
    <message id="%1원 할인">
        <source></source>
        <translation>减%1韩元</translation>
    </message>
    <message id="%1원 추가">
        <source></source>
        <translation>加%1韩元</translation>
    </message>
    <message id="합계 금액">
        <source></source>
        <translation>合计金额</translation>
    </message>
    <message id="옵션 선택">
        <source></source>
        <translation>选择选项</translation>
    </message>
    <message id="옵션 그룹">
        <source></source>
        <translation>选项组</translation>
    </message>
    <message id="이전">
        <source></source>
        <translation>上一步</translation>
    </message>
    <message id="옵션">
        <source></source>
        <translation>选项</translation>
    </message>
    <message id="최소 선택 갯수를 확인하세요!">
        <source></source>
        <translation>请按最少数量选择选项。</translation>
    </message>
    <message id="%1 사진">
        <source></source>
        <translation>%1的图片</translation>
    </message>
    <message id="가격">
        <source></source>
        <translation>价格</translation>
    </message>
    <message id="주문 담기">
        <source></source>
        <translation>加入订单</translation>
    </message>
    <message id="메뉴 화면으로 돌아갑니다">
        <source></source>
        <translation>将返回菜单画面</translation>
    </message>
    <message id="위로">
        <source></source>
        <translation>向上</translation>
    </message>
    <message id="아래로">
        <source></source>
        <translation>向下</translation>
    </message>
    <message id="선택완료">
        <source></source>
        <translation>选好了</translation>
    </message>
    <message id="총">
        <source></source>
        <translation>共</translation>
    </message>
    <message id="사진 준비 중">
        <source></source>
        <translation>图片准备中</translation>
    </message>
    <message id="직원을 불렀습니다. 잠시만 기다려 주세요.">
        <source></source>
        <translation>已呼叫店员，请稍候。</translation>
    </message>
    <message id="직원 호출">
        <source></source>
        <translation>呼叫店员</translation>
    </message>
    <message id="말하기 속도 %1단계">
        <source></source>
        <translation>语速%1级</translation>
    </message>
</context>
</TS>
