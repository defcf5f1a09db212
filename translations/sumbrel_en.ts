<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name></name>
    <message id="화살표 키로 이동하고 확인 키로 누르세요. 뒤로 키는 이전 화면, 별표 키는 다시 듣기입니다.">
        <source></source>
        <translation>Move with the arrow keys and press with the OK key. The back key goes to the previous screen, the star key repeats.</translation>
    </message>
    <message id="주문을 시작합니다. 매장 식사 또는 포장 주문을 고르세요.">
        <source></source>
        <translation>Let&apos;s start your order. Choose eat in or takeout.</translation>
    </message>
    <message id="주문을 시작합니다. 포장 주문을 누르세요.">
        <source></source>
        <translation>Let&apos;s start your order. Press takeout.</translation>
    </message>
    <message id="쉬운 주문 설정입니다. 음성 안내, 낮은 화면, 크게 보기, 고대비를 켜거나 끄고 주문 시작을 누르세요.">
        <source></source>
        <translation>Easy order settings. Turn voice guide, low layout, large view and high contrast on or off, then press start order.</translation>
    </message>
    <message id="메뉴 화면입니다. %1 분류">
        <source></source>
        <translation>Menu. Category %1</translation>
    </message>
    <message id=", 메뉴 %1개.">
        <source></source>
        <translation>, %1 items.</translation>
    </message>
    <message id="담은 메뉴 %1개.">
        <source></source>
        <translation>%1 items in your order.</translation>
    </message>
    <message id="메뉴를 고르면 수량과 옵션을 정할 수 있습니다. 다 고르면 선택완료를 누르세요.">
        <source></source>
        <translation>Choose an item to set its quantity and options. When you are finished, press done.</translation>
    </message>
    <message id="%1, %2원.">
        <source></source>
        <translation>%1, ₩%2.</translation>
    </message>
    <message id="옵션 %1가지를 고를 수 있습니다.">
        <source></source>
        <translation>You can choose %1 options.</translation>
    </message>
    <message id="수량을 정하고 주문 담기를 누르세요. 뒤로 키는 담지 않고 닫습니다.">
        <source></source>
        <translation>Set the quantity and press add to order. The back key closes without adding.</translation>
    </message>
    <message id="휴대폰 번호를 숫자 키로 입력하고 접수을 누르세요. 뒤로 키는 한 자리를 지웁니다.">
        <source></source>
        <translation>Enter your mobile number with the number keys and press submit. The back key deletes one digit.</translation>
    </message>
    <message id="휴대폰 번호를 숫자 키로 입력하고 다음을 누르세요. 뒤로 키는 한 자리를 지웁니다.">
        <source></source>
        <translation>Enter your mobile number with the number keys and press next. The back key deletes one digit.</translation>
    </message>
    <message id="차량 번호 네 자리를 숫자 키로 입력하고 접수을 누르세요.">
        <source></source>
        <translation>Enter the four digits of your car number and press submit.</translation>
    </message>
    <message id="차량 번호 네 자리를 숫자 키로 입력하고 다음을 누르세요.">
        <source></source>
        <translation>Enter the four digits of your car number and press next.</translation>
    </message>
    <message id="결제 방법을 고르세요. 현금결제 또는 카드결제입니다.">
        <source></source>
        <translation>Choose how to pay: by cash or by card.</translation>
    </message>
    <message id=", 버튼">
        <source></source>
        <translation>, button</translation>
    </message>
    <message id=", 사용할 수 없음">
        <source></source>
        <translation>, not available</translation>
    </message>
    <message id=", 켜짐">
        <source></source>
        <translation>, on</translation>
    </message>
    <message id=", 꺼짐">
        <source></source>
        <translation>, off</translation>
    </message>
    <message id=", 옵션 있음">
        <source></source>
        <translation>, with options</translation>
    </message>
    <message id=", 선택됨">
        <source></source>
        <translation>, selected</translation>
    </message>
    <message id=", 선택 안 됨">
        <source></source>
        <translation>, not selected</translation>
    </message>
    <message id="수량 %1">
        <source></source>
        <translation>Quantity %1</translation>
    </message>
    <message id="%1쪽 중 %2쪽">
        <source></source>
        <translation>page %2 of %1</translation>
    </message>
    <message id="%1번, %2, %3개, %4">
        <source></source>
        <translation>Number %1, %2, %3, %4</translation>
    </message>
    <message id="%1 %2개를 담았습니다. 합계 %3">
        <source></source>
        <translation>Added %1, quantity %2. Total %3</translation>
    </message>
    <message id="%1에서 %2개 이상 고르세요.">
        <source></source>
        <translation>Choose at least %2 in %1.</translation>
    </message>
    <message id="총 수량 %1, 합계 %2">
        <source></source>
        <translation>%1 items, total %2</translation>
    </message>
    <message id="%1자리">
        <source></source>
        <translation>%1 digits</translation>
    </message>
    <message id="별">
        <source></source>
        <translation>star</translation>
    </message>
    <message id="%1초 후 %2. 계속하시려면 화면을 터치하거나 아무 키나 누르세요.">
        <source></source>
        <translation>In %1 seconds: %2. To continue, touch the screen or press any key.</translation>
    </message>
    <message id="지우기">
        <source></source>
        <translation>Delete</translation>
    </message>
    <message id="닫기">
        <source></source>
        <translation>Close</translation>
    </message>
    <message id="삭제">
        <source></source>
        <translation>Remove</translation>
    </message>
    <message id="하나 더">
        <source></source>
        <translation>One more</translation>
    </message>
    <message id="하나 빼기">
        <source></source>
        <translation>One less</translation>
    </message>
    <message id="%1초">
        <source></source>
        <translation>%1 s</translation>
    </message>
    <message id="%1원">
        <source></source>
        <translation>₩%1</translation>
    </message>
    <message id="%1초 후 처음 화면으로 돌아갑니다.">
        <source></source>
        <translation>Returning to the start in %1 seconds.</translation>
    </message>
    <message id="계속하시려면 화면을 터치하거나 아무 키나 누르세요.">
        <source></source>
        <translation>To continue, touch the screen or press any key.</translation>
    </message>
    <message id="계속하시려면 화면을 터치해 주세요.">
        <source></source>
        <translation>To continue, touch the screen.</translation>
    </message>
    <message id="음량 %1">
        <source></source>
        <translation>Volume %1</translation>
    </message>
    <message id="알림">
        <source></source>
        <translation>Notice</translation>
    </message>
    <message id="경고">
        <source></source>
        <translation>Warning</translation>
    </message>
    <message id="오류">
        <source></source>
        <translation>Error</translation>
    </message>
    <message id="확인">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="%1. 확인 키를 누르면 닫힙니다.">
        <source></source>
        <translation>%1. Press the OK key to close.</translation>
    </message>
    <message id="감사합니다">
        <source></source>
        <translation>Thank you</translation>
    </message>
    <message id="잠시만 기다려 주세요 ~">
        <source></source>
        <translation>Please wait a moment ~</translation>
    </message>
    <message id="주문이 매장에 전달되었을 수 있습니다.">
        <source></source>
        <translation>The shop may have received your order.</translation>
    </message>
    <message id="다시 주문하기 전에 직원에게 확인해 주세요.">
        <source></source>
        <translation>Please ask a staff member before ordering again.</translation>
    </message>
    <message id="다음">
        <source></source>
        <translation>Next</translation>
    </message>
    <message id="접수">
        <source></source>
        <translation>Submit</translation>
    </message>
    <message id="접수 완료">
        <source></source>
        <translation>Order received</translation>
    </message>
    <message id="접수 실패">
        <source></source>
        <translation>Not received</translation>
    </message>
    <message id="이미 신청된 번호입니다.">
        <source></source>
        <translation>This number has already ordered.</translation>
    </message>
    <message id="주문 전송 중">
        <source></source>
        <translation>Sending your order</translation>
    </message>
    <message id="잠시만 기다려 주세요">
        <source></source>
        <translation>Please wait a moment</translation>
    </message>
    <message id="주문을 전송하지 못했습니다. 다시 시도해 주세요.">
        <source></source>
        <translation>Your order could not be sent. Please try again.</translation>
    </message>
    <message id="주문 내용을 만들 수 없습니다. 메뉴를 다시 선택해 주세요.">
        <source></source>
        <translation>Your order could not be prepared. Please choose your items again.</translation>
    </message>
    <message id="휴대폰 번호가 아닙니다!">
        <source></source>
        <translation>That is not a mobile number!</translation>
    </message>
    <message id="4자리를 입력하세요!">
        <source></source>
        <translation>Enter 4 digits!</translation>
    </message>
    <message id="메뉴를 선택하세요!">
        <source></source>
        <translation>Please choose an item!</translation>
    </message>
    <message id="현재 대기 %1명">
        <source></source>
        <translation>Now waiting: %1 people</translation>
    </message>
    <message id="예상 대기 시간 %1">
        <source></source>
        <translation>Wait time: %1</translation>
    </message>
    <message id="쉬운 주문">
        <source></source>
        <translation>Easy order</translation>
    </message>
    <message id="필요한 도움을 켜고 주문 시작을 누르세요.">
        <source></source>
        <translation>Turn on the help you need, then press Start order.</translation>
    </message>
    <message id="음성 안내">
        <source></source>
        <translation>Voice guide</translation>
    </message>
    <message id="낮은 화면">
        <source></source>
        <translation>Low layout</translation>
    </message>
    <message id="크게 보기">
        <source></source>
        <translation>Large view</translation>
    </message>
    <message id="고대비">
        <source></source>
        <translation>High contrast</translation>
    </message>
    <message id="주문 시작">
        <source></source>
        <translation>Start order</translation>
    </message>
    <message id="번호변경">
        <source></source>
        <translation>Change number</translation>
    </message>
    <message id="현재 대기">
        <source></source>
        <translation>Now waiting</translation>
    </message>
    <message id="명">
        <source></source>
        <translation>people</translation>
    </message>
    <message id="예상 대기 시간">
        <source></source>
        <translation>Wait time</translation>
    </message>
    <message id="메뉴선택">
        <source></source>
        <translation>Menu</translation>
    </message>
    <message id="매장 식사">
        <source></source>
        <translation>Eat in</translation>
    </message>
    <message id="포장 주문">
        <source></source>
        <translation>Takeout</translation>
    </message>
    <message id="휴대폰 번호를 입력하세요.">
        <source></source>
        <translation>Enter your mobile number.</translation>
    </message>
    <message id="차량 번호를 입력하세요.">
        <source></source>
        <translation>Enter your car number.</translation>
    </message>
    <message id="현금결제">
        <source></source>
        <translation>Pay by cash</translation>
    </message>
    <message id="카드결제">
        <source></source>
        <translation>Pay by card</translation>
    </message>
    <message id="초 후 자동 종료됩니다.">
        <source></source>
        <translation>seconds, then this screen closes.</translation>
    </message>
    <message id="처음 화면">
        <source></source>
        <translation>Start screen</translation>
    </message>
    <message id="휴대폰 번호 입력">
        <source></source>
        <translation>Mobile number</translation>
    </message>
    <message id="차량 번호 입력">
        <source></source>
        <translation>Car number</translation>
    </message>
    <message id="결제 방법 선택">
        <source></source>
        <translation>Payment method</translation>
    </message>
    <message id="주문 내역">
        <source></source>
        <translation>Your order</translation>
    </message>
    <message id="%1 수량 %2">
        <source></source>
        <translation>%1, quantity %2</translation>
    </message>
    <message id="%1 하나 빼기">
        <source></source>
        <translation>One less %1</translation>
    </message>
    <message id="%1 하나 더">
        <source></source>
        <translation>One more %1</translation>
    </message>
    <message id="%1 삭제">
        <source></source>
        <translation>Remove %1</translation>
    </message>
    <message id="합계 %1">
        <source></source>
        <translation>Total %1</translation>
    </message>
    <message id="메뉴를 불러오는 중입니다">
        <source></source>
        <translation>Loading the menu</translation>
    </message>
    <message id="취소">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="메뉴를 불러오지 못했습니다. 잠시 후 다시 시도해 주세요.">
        <source></source>
        <translation>The menu could not be loaded. Please try again in a moment.</translation>
    </message>
    <message id="%1 (최소: %2개 선택)">
        <source></source>
        <translation>%1 (choose at least %2)</translation>
    </message>
    <message id="현재 분류">
        <source></source>
        <translation>current category</translation>
    </message>
    <message id="총 수량 %1">
        <source></source>
        <translation>%1 items</translation>
    </message>
    <message id="메뉴 갯수 한계만큼 주문되었습니다!">
        <source></source>
        <translation>Your order has reached the item limit.</translation>
    </message>
    <message id="메뉴 오류입니다!">
        <source></source>
        <translation>Menu error.</translation>
    </message>
    <message id="프로그램 종료 후 다시 시작하세요">
        <source></source>
        <translation>Please close the program and start it again.</translation>
    </message>
    <message id="메뉴 선택이 취소됩니다">
        <source></source>
        <translation>your choices will be cancelled</translation>
    </message>
    <message id="합계">
        <source></source>
        <translation>Total</translation>
    </message>
    <message id="메뉴 선택">
        <source></source>
        <translation>Choose items</translation>
    </message>
    <message id="추가 금액 없음">
        <source></source>
        <translation>no extra charge</translation>
    </message>
    <message id="%1원 할인">
        <source></source>
        <translation>₩%1 off</translation>
    </message>
    <message id="%1원 추가">
        <source></source>
        <translation>₩%1 extra</translation>
    </message>
    <message id="합계 금액">
        <source></source>
        <translation>Total</translation>
    </message>
    <message id="옵션 선택">
        <source></source>
        <translation>Choose options</translation>
    </message>
    <message id="옵션 그룹">
        <source></source>
        <translation>Option group</translation>
    </message>
    <message id="이전">
        <source></source>
        <translation>Prev</translation>
    </message>
    <message id="옵션">
        <source></source>
        <translation>Options</translation>
    </message>
    <message id="최소 선택 갯수를 확인하세요!">
        <source></source>
        <translation>Please choose at least the number of options shown.</translation>
    </message>
    <message id="%1 사진">
        <source></source>
        <translation>Photo of %1</translation>
    </message>
    <message id="가격">
        <source></source>
        <translation>Price</translation>
    </message>
    <message id="주문 담기">
        <source></source>
        <translation>Add to order</translation>
    </message>
    <message id="메뉴 화면으로 돌아갑니다">
        <source></source>
        <translation>back to the menu</translation>
    </message>
    <message id="위로">
        <source></source>
        <translation>Up</translation>
    </message>
    <message id="아래로">
        <source></source>
        <translation>Down</translation>
    </message>
    <message id="선택완료">
        <source></source>
        <translation>Done</translation>
    </message>
    <message id="총">
        <source></source>
        <translation>Qty</translation>
    </message>
    <message id="사진 준비 중">
        <source></source>
        <translation>Photo coming soon</translation>
    </message>
    <message id="직원을 불렀습니다. 잠시만 기다려 주세요.">
        <source></source>
        <translation>A staff member has been called. Please wait a moment.</translation>
    </message>
    <message id="직원 호출">
        <source></source>
        <translation>Call staff</translation>
    </message>
    <message id="말하기 속도 %1단계">
        <source></source>
        <translation>Speech rate %1</translation>
    </message>
</context>
</TS>
