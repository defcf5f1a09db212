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
    <message id="%1자리">
        <source></source>
        <translation>%1桁</translation>
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
    <message id="음량 %1">
        <source></source>
        <translation>音量%1</translation>
    </message>
    <message id="알림">
        <source></source>
        <translation>お知らせ</translation>
    </message>
    <message id="경고">
        <source></source>
        <translation>警告</translation>
    </message>
    <message id="오류">
        <source></source>
        <translation>エラー</translation>
    </message>
    <message id="확인">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="%1. 확인 키를 누르면 닫힙니다.">
        <source></source>
        <translation>%1。決定キーで閉じます。</translation>
    </message>
    <message id="감사합니다">
        <source></source>
        <translation>ありがとうございます</translation>
    </message>
    <message id="잠시만 기다려 주세요 ~">
        <source></source>
        <translation>少々お待ちください ~</translation>
    </message>
    <message id="주문이 매장에 전달되었을 수 있습니다.">
        <source></source>
        <translation>注文が店舗に届いている可能性があります。</translation>
    </message>
    <message id="다시 주문하기 전에 직원에게 확인해 주세요.">
        <source></source>
        <translation>もう一度注文する前に、スタッフに確認してください。</translation>
    </message>
    <message id="다음">
        <source></source>
        <translation>次へ</translation>
    </message>
    <message id="접수">
        <source></source>
        <translation>確定</translation>
    </message>
    <message id="접수 완료">
        <source></source>
        <translation>受付完了</translation>
    </message>
    <message id="접수 실패">
        <source></source>
        <translation>受付できませんでした</translation>
    </message>
    <message id="이미 신청된 번호입니다.">
        <source></source>
        <translation>この番号はすでに注文済みです。</translation>
    </message>
    <message id="주문 전송 중">
        <source></source>
        <translation>注文を送信中</translation>
    </message>
    <message id="잠시만 기다려 주세요">
        <source></source>
        <translation>少々お待ちください</translation>
    </message>
    <message id="주문을 전송하지 못했습니다. 다시 시도해 주세요.">
        <source></source>
        <translation>注文を送信できませんでした。もう一度お試しください。</translation>
    </message>
    <message id="주문 내용을 만들 수 없습니다. 메뉴를 다시 선택해 주세요.">
        <source></source>
        <translation>注文内容を作成できません。メニューを選び直してください。</translation>
    </message>
    <message id="휴대폰 번호가 아닙니다!">
        <source></source>
        <translation>携帯電話番号ではありません！</translation>
    </message>
    <message id="4자리를 입력하세요!">
        <source></source>
        <translation>4桁を入力してください！</translation>
    </message>
    <message id="메뉴를 선택하세요!">
        <source></source>
        <translation>メニューを選んでください！</translation>
    </message>
    <message id="현재 대기 %1명">
        <source></source>
        <translation>現在の待ち%1人</translation>
    </message>
    <message id="예상 대기 시간 %1">
        <source></source>
        <translation>予想待ち時間%1</translation>
    </message>
    <message id="쉬운 주문">
        <source></source>
        <translation>かんたん注文</translation>
    </message>
    <message id="필요한 도움을 켜고 주문 시작을 누르세요.">
        <source></source>
        <translation>必要な機能をオンにして、注文開始を押してください。</translation>
    </message>
    <message id="음성 안내">
        <source></source>
        <translation>音声案内</translation>
    </message>
    <message id="낮은 화면">
        <source></source>
        <translation>低い画面</translation>
    </message>
    <message id="크게 보기">
        <source></source>
        <translation>大きく表示</translation>
    </message>
    <message id="고대비">
        <source></source>
        <translation>ハイコントラスト</translation>
    </message>
    <message id="주문 시작">
        <source></source>
        <translation>注文開始</translation>
    </message>
    <message id="번호변경">
        <source></source>
        <translation>番号変更</translation>
    </message>
    <message id="현재 대기">
        <source></source>
        <translation>現在の待ち</translation>
    </message>
    <message id="명">
        <source></source>
        <translation>人</translation>
    </message>
    <message id="예상 대기 시간">
        <source></source>
        <translation>予想待ち時間</translation>
    </message>
    <message id="메뉴선택">
        <source></source>
        <translation>メニュー</translation>
    </message>
    <message id="매장 식사">
        <source></source>
        <translation>店内で食べる</translation>
    </message>
    <message id="포장 주문">
        <source></source>
        <translation>お持ち帰り</translation>
    </message>
    <message id="휴대폰 번호를 입력하세요.">
        <source></source>
        <translation>携帯電話番号を入力してください。</translation>
    </message>
    <message id="차량 번호를 입력하세요.">
        <source></source>
        <translation>車のナンバーを入力してください。</translation>
    </message>
    <message id="현금결제">
        <source></source>
        <translation>現金で支払う</translation>
    </message>
    <message id="카드결제">
        <source></source>
        <translation>カードで支払う</translation>
    </message>
    <message id="초 후 자동 종료됩니다.">
        <source></source>
        <translation>秒後に自動で終了します。</translation>
    </message>
    <message id="처음 화면">
        <source></source>
        <translation>最初の画面</translation>
    </message>
    <message id="휴대폰 번호 입력">
        <source></source>
        <translation>携帯電話番号の入力</translation>
    </message>
    <message id="차량 번호 입력">
        <source></source>
        <translation>車のナンバーの入力</translation>
    </message>
    <message id="결제 방법 선택">
        <source></source>
        <translation>お支払い方法の選択</translation>
    </message>
    <message id="주문 내역">
        <source></source>
        <translation>ご注文内容</translation>
    </message>
    <message id="%1 수량 %2">
        <source></source>
        <translation>%1、数量%2</translation>
    </message>
    <message id="%1 하나 빼기">
        <source></source>
        <translation>%1を1つ減らす</translation>
    </message>
    <message id="%1 하나 더">
        <source></source>
        <translation>%1を1つ追加</translation>
    </message>
    <message id="%1 삭제">
        <source></source>
        <translation>%1を取り消し</translation>
    </message>
    <message id="합계 %1">
        <source></source>
        <translation>合計%1</translation>
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
    <message id="%1 (최소: %2개 선택)">
        <source></source>
        <translation>%1（%2個以上選択）</translation>
    </message>
    <message id="현재 분류">
        <source></source>
        <translation>現在のカテゴリ</translation>
    </message>
    <message id="총 수량 %1">
        <source></source>
        <translation>合計数量%1</translation>
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
    <message id="합계">
        <source></source>
        <translation>合計</translation>
    </message>
    <message id="메뉴 선택">
        <source></source>
        <translation>メニュー選択</translation>
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
    <message id="합계 금액">
        <source></source>
        <translation>合計金額</translation>
    </message>
    <message id="옵션 선택">
        <source></source>
        <translation>オプション選択</translation>
    </message>
    <message id="옵션 그룹">
        <source></source>
        <translation>オプション</translation>
    </message>
    <message id="이전">
        <source></source>
        <translation>前へ</translation>
    </message>
    <message id="옵션">
        <source></source>
        <translation>オプション</translation>
    </message>
    <message id="최소 선택 갯수를 확인하세요!">
        <source></source>
        <translation>最低選択数を確認してください。</translation>
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
    <message id="총">
        <source></source>
        <translation>計</translation>
    </message>
    <message id="사진 준비 중">
        <source></source>
        <translation>写真準備中</translation>
    </message>
    <message id="직원을 불렀습니다. 잠시만 기다려 주세요.">
        <source></source>
        <translation>スタッフを呼びました。少々お待ちください。</translation>
    </message>
    <message id="직원 호출">
        <source></source>
        <translation>スタッフ呼出</translation>
    </message>
    <message id="말하기 속도 %1단계">
        <source></source>
        <translation>読み上げ速度%1</translation>
    </message>
</context>
</TS>
