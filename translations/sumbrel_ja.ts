<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name></name>
    <message id="화살표 키로 이동하고 확인 키로 누르세요. 뒤로 키는 이전 화면, 별표 키는 다시 듣기입니다.">
        <source></source>
        <translation>矢印キーで移動し、決定キーで押します。戻るキーで前の画面に、星印キーでもう一度聞けます。</translation>
    </message>
    <message id="주문을 시작합니다. 매장 식사 또는 포장 주문을 고르세요.">
        <source></source>
        <translation>注文を始めます。店内で食べるか、お持ち帰りかを選んでください。</translation>
    </message>
    <message id="주문을 시작합니다. 포장 주문을 누르세요.">
        <source></source>
        <translation>注文を始めます。お持ち帰りを押してください。</translation>
    </message>
    <message id="쉬운 주문 설정입니다. 음성 안내, 낮은 화면, 크게 보기, 고대비를 켜거나 끄고 주문 시작을 누르세요.">
        <source></source>
        <translation>かんたん注文の設定です。音声案内、低い画面、大きく表示、ハイコントラストをオンまたはオフにして、注文開始を押してください。</translation>
    </message>
    <message id="메뉴 화면입니다. %1 분류">
        <source></source>
        <translation>メニュー画面です。%1のカテゴリ</translation>
    </message>
    <message id=", 메뉴 %1개.">
        <source></source>
        <translation>、メニュー%1品。</translation>
    </message>
    <message id="담은 메뉴 %1개.">
        <source></source>
        <translation>注文済み%1品。</translation>
    </message>
    <message id="메뉴를 고르면 수량과 옵션을 정할 수 있습니다. 다 고르면 선택완료를 누르세요.">
        <source></source>
        <translation>メニューを選ぶと数量とオプションを決められます。選び終わったら選択完了を押してください。</translation>
    </message>
    <message id="%1, %2원.">
        <source></source>
        <translation>%1、%2ウォン。</translation>
    </message>
    <message id="옵션 %1가지를 고를 수 있습니다.">
        <source></source>
        <translation>オプションを%1種類選べます。</translation>
    </message>
    <message id="수량을 정하고 주문 담기를 누르세요. 뒤로 키는 담지 않고 닫습니다.">
        <source></source>
        <translation>数量を決めて注文に追加を押してください。戻るキーで追加せずに閉じます。</translation>
    </message>
    <message id="휴대폰 번호를 숫자 키로 입력하고 접수을 누르세요. 뒤로 키는 한 자리를 지웁니다.">
        <source></source>
        <translation>数字キーで携帯電話番号を入力して確定を押してください。戻るキーで一桁消します。</translation>
    </message>
    <message id="휴대폰 번호를 숫자 키로 입력하고 다음을 누르세요. 뒤로 키는 한 자리를 지웁니다.">
        <source></source>
        <translation>数字キーで携帯電話番号を入力して次へを押してください。戻るキーで一桁消します。</translation>
    </message>
    <message id="차량 번호 네 자리를 숫자 키로 입력하고 접수을 누르세요.">
        <source></source>
        <translation>車のナンバーの4桁を数字キーで入力して確定を押してください。</translation>
    </message>
    <message id="차량 번호 네 자리를 숫자 키로 입력하고 다음을 누르세요.">
        <source></source>
        <translation>車のナンバーの4桁を数字キーで入力して次へを押してください。</translation>
    </message>
    <message id="결제 방법을 고르세요. 현금결제 또는 카드결제입니다.">
        <source></source>
        <translation>お支払い方法を選んでください。現金かカードです。</translation>
    </message>
    <message id=", 버튼">
        <source></source>
        <translation>、ボタン</translation>
    </message>
    <message id=", 사용할 수 없음">
        <source></source>
        <translation>、使用できません</translation>
    </message>
    <message id=", 켜짐">
        <source></source>
        <translation>、オン</translation>
    </message>
    <message id=", 꺼짐">
        <source></source>
        <translation>、オフ</translation>
    </message>
    <message id=", 옵션 있음">
        <source></source>
        <translation>、オプションあり</translation>
    </message>
    <message id=", 선택됨">
        <source></source>
        <translation>、選択済み</translation>
    </message>
    <message id=", 선택 안 됨">
        <source></source>
        <translation>、未選択</translation>
    </message>
    <message id="수량 %1">
        <source></source>
        <translation>数量%1</translation>
    </message>
    <message id="%1쪽 중 %2쪽">
        <source></source>
        <translation>%1ページ中%2ページ</translation>
    </message>
    <message id="%1번, %2, %3개, %4">
        <source></source>
        <translation>%1番、%2、%3個、%4</translation>
    </message>
    <message id="%1 %2개를 담았습니다. 합계 %3">
        <source></source>
        <translation>%1を%2個追加しました。合計%3</translation>
    </message>
    <message id="%1에서 %2개 이상 고르세요.">
        <source></source>
        <translation>%1から%2個以上選んでください。</translation>
    </message>
    <message id="총 수량 %1, 합계 %2">
        <source></source>
        <translation>合計数量%1、合計%2</translation>
    </message>
    <message id="별">
        <source></source>
        <translation>星</translation>
    </message>
    <message id="%1초 후 %2. 계속하시려면 화면을 터치하거나 아무 키나 누르세요.">
        <source></source>
        <translation>%1秒後に%2。続けるには画面に触れるか、いずれかのキーを押してください。</translation>
    </message>
    <message id="지우기">
        <source></source>
        <translation>削除</translation>
    </message>
    <message id="닫기">
        <source></source>
        <translation>閉じる</translation>
    </message>
    <message id="삭제">
        <source></source>
        <translation>取り消し</translation>
    </message>
    <message id="하나 더">
        <source></source>
        <translation>1つ追加</translation>
    </message>
    <message id="하나 빼기">
        <source></source>
        <translation>1つ減らす</translation>
    </message>
    <message id="%1초">
        <source></source>
        <translation>%1秒</translation>
    </message>
    <message id="%1원">
        <source></source>
        <translation>%1ウォン</translation>
    </message>
    <message id="%1초 후 처음 화면으로 돌아갑니다.">
        <source></source>
        <translation>%1秒後に最初の画面に戻ります。</translation>
    </message>
    <message id="계속하시려면 화면을 터치하거나 아무 키나 누르세요.">
        <source></source>
        <translation>続けるには画面に触れるか、いずれかのキーを押してください。</translation>
    </message>
    <message id="계속하시려면 화면을 터치해 주세요.">
        <source></source>
        <translation>続けるには画面に触れてください。</translation>
    </message>
    <message id="메뉴를 불러오는 중입니다">
        <source></source>
        <translation>メニューを読み込んでいます</translation>
    </message>
    <message id="취소">
        <source></source>
        <translation>キャンセル</translation>
    </message>
    <message id="메뉴를 불러오지 못했습니다. 잠시 후 다시 시도해 주세요.">
        <source></source>
        <translation>メニューを読み込めませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message id="현재 분류">
        <source></source>
        <translation>現在のカテゴリ</translation>
    </message>
    <message id="총 수량 %1">
        <source></source>
        <translation>合計数量%1</translation>
    </message>
    <message id="합계 %1">
        <source></source>
        <translation>合計%1</translation>
    </message>
    <message id="메뉴 갯수 한계만큼 주문되었습니다!">
        <source></source>
        <translation>注文できるメニュー数の上限に達しました。</translation>
    </message>
    <message id="메뉴 오류입니다!">
        <source></source>
        <translation>メニューのエラーです。</translation>
    </message>
    <message id="프로그램 종료 후 다시 시작하세요">
        <source></source>
        <translation>プログラムを終了して、もう一度起動してください。</translation>
    </message>
    <message id="메뉴 선택이 취소됩니다">
        <source></source>
        <translation>メニューの選択が取り消されます</translation>
    </message>
    <message id="이전">
        <source></source>
        <translation>前へ</translation>
    </message>
    <message id="다음">
        <source></source>
        <translation>次へ</translation>
    </message>
    <message id="위로">
        <source></source>
        <translation>上へ</translation>
    </message>
    <message id="아래로">
        <source></source>
        <translation>下へ</translation>
    </message>
    <message id="선택완료">
        <source></source>
        <translation>選択完了</translation>
    </message>
    <message id="메뉴 선택">
        <source></source>
        <translation>メニュー選択</translation>
    </message>
    <message id="주문 내역">
        <source></source>
        <translation>ご注文内容</translation>
    </message>
    <message id="총">
        <source></source>
        <translation>計</translation>
    </message>
    <message id="%1 (최소: %2개 선택)">
        <source></source>
        <translation>%1（%2個以上選択）</translation>
    </message>
    <message id="%1 사진">
        <source></source>
        <translation>%1の写真</translation>
    </message>
    <message id="가격">
        <source></source>
        <translation>価格</translation>
    </message>
    <message id="주문 담기">
        <source></source>
        <translation>注文に追加</translation>
    </message>
    <message id="메뉴 화면으로 돌아갑니다">
        <source></source>
        <translation>メニュー画面に戻ります</translation>
    </message>
    <message id="사진 준비 중">
        <source></source>
        <translation>写真準備中</translation>
    </message>
    <message id="합계">
        <source></source>
        <translation>合計</translation>
    </message>
    <message id="추가 금액 없음">
        <source></source>
        <translation>追加料金なし</translation>
    </message>
    <message id="%1원 할인">
        <source></source>
        <translation>%1ウォン引き</translation>
    </message>
    <message id="%1원 추가">
        <source></source>
        <translation>%1ウォン追加</translation>
    </message>
    <message id="옵션 선택">
        <source></source>
        <translation>オプション選択</translation>
    </message>
    <message id="옵션 그룹">
        <source></source>
        <translation>オプション</translation>
    </message>
    <message id="옵션">
        <source></source>
        <translation>オプション</translation>
    </message>
    <message id="최소 선택 갯수를 확인하세요!">
        <source></source>
        <translation>最低選択数を確認してください。</translation>
    </message>
    <message id="합계 금액">
        <source></source>
        <translation>合計金額</translation>
    </message>
</context>
</TS>
