<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="ja">
<context>
    <name>BookNames</name>
    <message>
        <source>無題</source>
        <translation>未命名</translation>
    </message>
    <message>
        <source> - 二胡専用数字譜エディター『ソルベル』</source>
        <translation> - 二胡簡譜編輯器 Sorvel</translation>
    </message>
</context>
<context>
    <name>BookPrinter</name>
    <message>
        <source>印刷するページがありません。</source>
        <translation>沒有可列印的頁面。</translation>
    </message>
    <message>
        <source>印刷を開始できませんでした。</source>
        <translation>無法開始列印。</translation>
    </message>
    <message>
        <source>
ファイル: %1</source>
        <translation>
檔案：%1</translation>
    </message>
    <message>
        <source>印刷中にエラーが発生しました。</source>
        <translation>列印時發生錯誤。</translation>
    </message>
    <message>
        <source>二胡数字譜</source>
        <translation>二胡簡譜</translation>
    </message>
</context>
<context>
    <name>ColorChoice</name>
    <message>
        <source>黒</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>暗い赤</source>
        <translation>暗紅色</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>綠色</translation>
    </message>
    <message>
        <source>オリーブ</source>
        <translation>橄欖色</translation>
    </message>
    <message>
        <source>紺</source>
        <translation>深藍色</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>青緑</source>
        <translation>藍綠色</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>銀色</source>
        <translation>銀色</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>紅色</translation>
    </message>
    <message>
        <source>ライム</source>
        <translation>萊姆綠</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>黃色</translation>
    </message>
    <message>
        <source>青</source>
        <translation>藍色</translation>
    </message>
    <message>
        <source>マゼンタ</source>
        <translation>洋紅色</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>水藍色</translation>
    </message>
    <message>
        <source>白</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>その他...</source>
        <translation>其他...</translation>
    </message>
    <message>
        <source>ユーザー定義</source>
        <translation>自訂</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>曲に音符や小節線が無いため、シフトできません。</source>
        <translation>樂曲中沒有音符或小節線，無法移動。</translation>
    </message>
    <message>
        <source>グリッドの大きさが正しくないため、シフトできません。</source>
        <translation>格線大小不正確，無法移動。</translation>
    </message>
    <message>
        <source>小節の幅が無いため、音長を自動セットできません。小節線の位置を確かめてください。</source>
        <translation>小節沒有寬度，無法自動設定時值。請檢查小節線的位置。</translation>
    </message>
</context>
<context>
    <name>EditorDialogs</name>
    <message>
        <source>ソルベル</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>ファイルの内容が変更されています。変更を保存しますか？</source>
        <translation>檔案內容已變更。是否儲存變更？</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>この場所のプログラムは登録できません: %1</source>
        <translation>無法註冊此位置的程式：%1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>ソルベル数字譜ファイル(*.svl);;すべてのファイル(*.*)</source>
        <translation>Sorvel 簡譜檔案(*.svl);;所有檔案(*.*)</translation>
    </message>
    <message>
        <source>ソルベルスコアーデータ(*.svl);;すべてのファイル(*.*)</source>
        <translation>Sorvel 樂譜資料(*.svl);;所有檔案(*.*)</translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml *.xml *.mxl);;すべてのファイル(*.*)</source>
        <translation>MusicXML(*.musicxml *.xml *.mxl);;所有檔案(*.*)</translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml);;すべてのファイル(*.*)</source>
        <translation>MusicXML(*.musicxml);;所有檔案(*.*)</translation>
    </message>
    <message>
        <source>ビットマップ(*.bmp);;全てのファイル(*.*)</source>
        <translation>BMP 圖片(*.bmp);;所有檔案(*.*)</translation>
    </message>
    <message>
        <source>PDF(*.pdf);;全てのファイル(*.*)</source>
        <translation>PDF(*.pdf);;所有檔案(*.*)</translation>
    </message>
    <message>
        <source>録音(*.wav *.flac *.ogg *.mp3);;すべてのファイル(*.*)</source>
        <translation>錄音(*.wav *.flac *.ogg *.mp3);;所有檔案(*.*)</translation>
    </message>
</context>
<context>
    <name>HearingTask</name>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>HelpOpener</name>
    <message>
        <source>ブラウザーでヘルプを表示できませんでした。
ヘルプの目次は次のファイルです。お使いのブラウザーで開いてください。
%1</source>
        <translation>無法在瀏覽器中顯示說明。
說明目錄是以下檔案，請用您的瀏覽器開啟。
%1</translation>
    </message>
    <message>
        <source>ヘルプのページがプログラムに含まれていません。</source>
        <translation>程式中未包含說明頁面。</translation>
    </message>
    <message>
        <source>ヘルプのページを読み込めません。
%1</source>
        <translation>無法讀取說明頁面。
%1</translation>
    </message>
    <message>
        <source>ヘルプのページを書き込めません。
%1</source>
        <translation>無法寫入說明頁面。
%1</translation>
    </message>
    <message>
        <source>ヘルプを置くフォルダーが見つかりません。</source>
        <translation>找不到存放說明的資料夾。</translation>
    </message>
</context>
<context>
    <name>ItemDialogs</name>
    <message>
        <source>小節数は、1 から 999 の数値を指定してください。</source>
        <translation>小節數應為 1 到 999 之間的數值。</translation>
    </message>
    <message>
        <source>テンポは、10 から %1 の数値を指定してください。</source>
        <translation>速度應為 10 到 %1 之間的數值。</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>ﾌﾞｯｸ新規作成(&amp;N)</source>
        <translation>新增曲集(&amp;N)</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成(&amp;M)</source>
        <translation>新增頁面(&amp;M)</translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation>在前面插入頁面(&amp;F)</translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation>在後面插入頁面(&amp;B)</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>開啟(&amp;O)...</translation>
    </message>
    <message>
        <source>開き直す(&amp;R)</source>
        <translation>重新開啟(&amp;R)</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <source>ビットマップで保存(&amp;I)...</source>
        <translation>儲存為圖片(&amp;I)...</translation>
    </message>
    <message>
        <source>PDFで保存(&amp;D)...</source>
        <translation>儲存為 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>MusicXMLを読み込む(&amp;L)...</source>
        <translation>匯入 MusicXML(&amp;L)...</translation>
    </message>
    <message>
        <source>MusicXMLで保存(&amp;E)...</source>
        <translation>匯出 MusicXML(&amp;E)...</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀｰ設定(&amp;U)...</source>
        <translation>印表機設定(&amp;U)...</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)...</source>
        <translation>預覽列印(&amp;V)...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>列印(&amp;P)...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>取消復原(&amp;R)</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>剪下(&amp;T)</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>全選(&amp;A)</translation>
    </message>
    <message>
        <source>同じ種類の記号選択(&amp;S)</source>
        <translation>選取同類符號(&amp;S)</translation>
    </message>
    <message>
        <source>上下位置合わせ(&amp;V)</source>
        <translation>上下對齊(&amp;V)</translation>
    </message>
    <message>
        <source>音長自動セット(&amp;L)</source>
        <translation>自動設定時值(&amp;L)</translation>
    </message>
    <message>
        <source>挿入（右ｼﾌﾄ）(&amp;M)...</source>
        <translation>插入（右移）(&amp;M)...</translation>
    </message>
    <message>
        <source>削除（左ｼﾌﾄ）(&amp;H)...</source>
        <translation>刪除（左移）(&amp;H)...</translation>
    </message>
    <message>
        <source>ﾂｰﾙ(&amp;T)</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>ｸﾞﾘｯﾄﾞｽﾅｯﾌﾟ(&amp;G)</source>
        <translation>貼齊格線(&amp;G)</translation>
    </message>
    <message>
        <source>グリッドを表示する</source>
        <translation>顯示格線</translation>
    </message>
    <message>
        <source>入力音符をモニターする(&amp;M)</source>
        <translation>監聽輸入的音符(&amp;M)</translation>
    </message>
    <message>
        <source>リズム入力(&amp;R)</source>
        <translation>節奏輸入(&amp;R)</translation>
    </message>
    <message>
        <source>演奏(&amp;L)...</source>
        <translation>播放(&amp;L)...</translation>
    </message>
    <message>
        <source>ピアノ鍵盤(&amp;K)...</source>
        <translation>鋼琴鍵盤(&amp;K)...</translation>
    </message>
    <message>
        <source>チューニング(&amp;T)...</source>
        <translation>定弦(&amp;T)...</translation>
    </message>
    <message>
        <source>ブック情報設定(&amp;B)...</source>
        <translation>曲集設定(&amp;B)...</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ情報設定(&amp;P)...</source>
        <translation>頁面設定(&amp;P)...</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)...</source>
        <translation>選項(&amp;O)...</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>操作説明(&amp;H)...</source>
        <translation>使用說明(&amp;H)...</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>關於(&amp;A)...</translation>
    </message>
    <message>
        <source>録音ファイルから採譜(&amp;T)...</source>
        <translation>從錄音檔記譜(&amp;T)...</translation>
    </message>
    <message>
        <source>録音して採譜(&amp;R)...</source>
        <translation>錄音並記譜(&amp;C)...</translation>
    </message>
</context>
<context>
    <name>NewBookDialog</name>
    <message>
        <source>ブック新規作成</source>
        <translation>新增曲集</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation>作曲</translation>
    </message>
    <message>
        <source>調</source>
        <translation>調</translation>
    </message>
    <message>
        <source>拍子</source>
        <translation>拍號</translation>
    </message>
    <message>
        <source>♩＝</source>
        <translation>♩＝</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>無</translation>
    </message>
    <message>
        <source>ページ数</source>
        <translation>頁數</translation>
    </message>
    <message>
        <source>OK で、1 ページ目の最初の小節から音符を入力できます。</source>
        <translation>按「確定」後，即可從第 1 頁的第一小節開始輸入音符。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PageBar</name>
    <message>
        <source>最初のﾍﾟｰｼﾞ(&amp;F)</source>
        <translation>第一頁(&amp;F)</translation>
    </message>
    <message>
        <source>前ﾍﾟｰｼﾞ(&amp;V)</source>
        <translation>上一頁(&amp;V)</translation>
    </message>
    <message>
        <source>次ﾍﾟｰｼﾞ(&amp;N)</source>
        <translation>下一頁(&amp;N)</translation>
    </message>
    <message>
        <source>最後のﾍﾟｰｼﾞ(&amp;L)</source>
        <translation>最後一頁(&amp;L)</translation>
    </message>
    <message>
        <source>目次...(&amp;T)</source>
        <translation>目錄(&amp;T)...</translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation>在前面插入頁面(&amp;F)</translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation>在後面插入頁面(&amp;B)</translation>
    </message>
    <message>
        <source>ページ削除(&amp;D)</source>
        <translation>刪除頁面(&amp;D)</translation>
    </message>
    <message>
        <source>ページ移動...</source>
        <translation>移動頁面...</translation>
    </message>
</context>
<context>
    <name>PaintBox</name>
    <message>
        <source>テキストボックスが重なっているため、ここには置けません。</source>
        <translation>與文字方塊重疊，無法放在此處。</translation>
    </message>
    <message>
        <source>この位置にある記号には置けません。</source>
        <translation>無法放在此位置的符號上。</translation>
    </message>
    <message>
        <source>この記号は音符の上に置いてください。</source>
        <translation>請將此符號放在音符上。</translation>
    </message>
    <message>
        <source>この記号は音符の上には置けません。</source>
        <translation>此符號不能放在音符上。</translation>
    </message>
    <message>
        <source>この記号は伸ばしの「－」には付けられません。</source>
        <translation>此符號不能加在增時線「－」上。</translation>
    </message>
    <message>
        <source>ページからはみ出すため、ここには貼り付けられません。</source>
        <translation>超出頁面範圍，無法貼到此處。</translation>
    </message>
    <message>
        <source>記号だけを貼り付けるときは、音符の上でクリックしてください。</source>
        <translation>只貼上符號時，請在音符上按一下。</translation>
    </message>
    <message>
        <source>この位置にある記号には貼り付けられません。</source>
        <translation>無法貼到此位置的符號上。</translation>
    </message>
    <message>
        <source>この記号は休符には付けられません。</source>
        <translation>此記號不能加在休止符上。</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>確認</source>
        <translation type="vanished">確認</translation>
    </message>
</context>
<context>
    <name>SettingsValues</name>
    <message>
        <source>%1は、1 から %2 の数値を指定してください。</source>
        <translation>%1應為 1 到 %2 之間的數值。</translation>
    </message>
    <message>
        <source>タイトル部分の高さ</source>
        <translation>標題區高度</translation>
    </message>
    <message>
        <source>余白（左）の巾</source>
        <translation>左邊界</translation>
    </message>
    <message>
        <source>一段あたりの小節数</source>
        <translation>每行小節數</translation>
    </message>
    <message>
        <source>小節ごとの分割数</source>
        <translation>每小節分割數</translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation>每頁行數</translation>
    </message>
    <message>
        <source>演奏速度は、1 から 300 の数値を指定してください。</source>
        <translation>速度應為 1 到 300 之間的數值。</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source>余白（上）の高さ</source>
        <translation>上邊界</translation>
    </message>
    <message>
        <source>余白（下）の高さ</source>
        <translation>下邊界</translation>
    </message>
    <message>
        <source>余白（右）の巾</source>
        <translation>右邊界</translation>
    </message>
    <message>
        <source>楽譜再生音のベロシティー</source>
        <translation>樂譜播放音的力度（velocity）</translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation>節奏通道編號</translation>
    </message>
    <message>
        <source>クリック音（強）のベロシティー</source>
        <translation>節拍聲（強拍）的力度（velocity）</translation>
    </message>
    <message>
        <source>クリック音（弱）のベロシティー</source>
        <translation>節拍聲（弱拍）的力度（velocity）</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>指法</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation>力度記號（ppp～fff）</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation>漸強</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation>圓滑線</translation>
    </message>
    <message>
        <source>装飾音</source>
        <translation>倚音</translation>
    </message>
    <message>
        <source>演奏速度</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>分岐</source>
        <translation>反覆跳躍記號</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>弓法</translation>
    </message>
    <message>
        <source>弦</source>
        <translation>內外弦</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation>三連音</translation>
    </message>
    <message>
        <source>括弧</source>
        <translation>反覆結尾</translation>
    </message>
    <message>
        <source>27:High Q</source>
        <translation>27:高 Q</translation>
    </message>
    <message>
        <source>28:Slap</source>
        <translation>28:拍擊聲</translation>
    </message>
    <message>
        <source>29:Scratch Push</source>
        <translation>29:刷碟（推）</translation>
    </message>
    <message>
        <source>30:Scratch Pull</source>
        <translation>30:刷碟（拉）</translation>
    </message>
    <message>
        <source>31:Sticks</source>
        <translation>31:鼓棒</translation>
    </message>
    <message>
        <source>32:Square Click</source>
        <translation>32:方波喀噠聲</translation>
    </message>
    <message>
        <source>33:Metronome Click</source>
        <translation>33:節拍器喀噠聲</translation>
    </message>
    <message>
        <source>34:Metronome Bell</source>
        <translation>34:節拍器鈴聲</translation>
    </message>
    <message>
        <source>35:Acoustic Bass Drum</source>
        <translation>35:原聲大鼓</translation>
    </message>
    <message>
        <source>36:Bass Drum 1</source>
        <translation>36:大鼓 1</translation>
    </message>
    <message>
        <source>37:Side Stick</source>
        <translation>37:鼓框敲擊</translation>
    </message>
    <message>
        <source>38:Acoustic Snare</source>
        <translation>38:原聲小鼓</translation>
    </message>
    <message>
        <source>39:Hand Clap</source>
        <translation>39:拍手</translation>
    </message>
    <message>
        <source>40:Electric Snare</source>
        <translation>40:電子小鼓</translation>
    </message>
    <message>
        <source>41:Low Floor Tom</source>
        <translation>41:低音落地鼓</translation>
    </message>
    <message>
        <source>42:Closed Hi-Hat</source>
        <translation>42:閉合腳踏鈸</translation>
    </message>
    <message>
        <source>43:High Floor Tom</source>
        <translation>43:高音落地鼓</translation>
    </message>
    <message>
        <source>44:Pedal Hi-Hat</source>
        <translation>44:踏板腳踏鈸</translation>
    </message>
    <message>
        <source>45:Low Tom</source>
        <translation>45:低音通鼓</translation>
    </message>
    <message>
        <source>46:Open Hi-Hat</source>
        <translation>46:開放腳踏鈸</translation>
    </message>
    <message>
        <source>47:Low-Mid Tom</source>
        <translation>47:中低音通鼓</translation>
    </message>
    <message>
        <source>48:Hi-Mid Tom</source>
        <translation>48:中高音通鼓</translation>
    </message>
    <message>
        <source>49:Crash Cymbal 1</source>
        <translation>49:碎音鈸 1</translation>
    </message>
    <message>
        <source>50:High Tom</source>
        <translation>50:高音通鼓</translation>
    </message>
    <message>
        <source>51:Ride Cymbal 1</source>
        <translation>51:疊音鈸 1</translation>
    </message>
    <message>
        <source>52:Chinese Cymbal</source>
        <translation>52:中國鈸</translation>
    </message>
    <message>
        <source>53:Ride Bell</source>
        <translation>53:疊音鈸鈸帽</translation>
    </message>
    <message>
        <source>54:Tambourine</source>
        <translation>54:鈴鼓</translation>
    </message>
    <message>
        <source>55:Splash Cymbal</source>
        <translation>55:水鈸</translation>
    </message>
    <message>
        <source>56:Cowbell</source>
        <translation>56:牛鈴</translation>
    </message>
    <message>
        <source>57:Crash Cymbal 2</source>
        <translation>57:碎音鈸 2</translation>
    </message>
    <message>
        <source>58:Vibraslap</source>
        <translation>58:顫擊器</translation>
    </message>
    <message>
        <source>59:Ride Cymbal 2</source>
        <translation>59:疊音鈸 2</translation>
    </message>
    <message>
        <source>60:Hi Bongo</source>
        <translation>60:高音邦哥鼓</translation>
    </message>
    <message>
        <source>61:Low Bongo</source>
        <translation>61:低音邦哥鼓</translation>
    </message>
    <message>
        <source>62:Mute Hi Conga</source>
        <translation>62:悶音高音康加鼓</translation>
    </message>
    <message>
        <source>63:Open Hi Conga</source>
        <translation>63:開放高音康加鼓</translation>
    </message>
    <message>
        <source>64:Low Conga</source>
        <translation>64:低音康加鼓</translation>
    </message>
    <message>
        <source>65:High Timbale</source>
        <translation>65:高音天巴鼓</translation>
    </message>
    <message>
        <source>66:Low Timbale</source>
        <translation>66:低音天巴鼓</translation>
    </message>
    <message>
        <source>67:High Agogo</source>
        <translation>67:高音阿哥哥鈴</translation>
    </message>
    <message>
        <source>68:Low Agogo</source>
        <translation>68:低音阿哥哥鈴</translation>
    </message>
    <message>
        <source>69:Cabasa</source>
        <translation>69:卡巴薩</translation>
    </message>
    <message>
        <source>70:Maracas</source>
        <translation>70:沙鈴</translation>
    </message>
    <message>
        <source>71:Short Whistle</source>
        <translation>71:短哨</translation>
    </message>
    <message>
        <source>72:Long Whistle</source>
        <translation>72:長哨</translation>
    </message>
    <message>
        <source>73:Short Guiro</source>
        <translation>73:短刮瓜</translation>
    </message>
    <message>
        <source>74:Long Guiro</source>
        <translation>74:長刮瓜</translation>
    </message>
    <message>
        <source>75:Claves</source>
        <translation>75:響棒</translation>
    </message>
    <message>
        <source>76:Hi Wood Block</source>
        <translation>76:高音木魚</translation>
    </message>
    <message>
        <source>77:Low Wood Block</source>
        <translation>77:低音木魚</translation>
    </message>
    <message>
        <source>78:Mute Cuica</source>
        <translation>78:悶音庫伊卡鼓</translation>
    </message>
    <message>
        <source>79:Open Cuica</source>
        <translation>79:開放庫伊卡鼓</translation>
    </message>
    <message>
        <source>80:Mute Triangle</source>
        <translation>80:悶音三角鐵</translation>
    </message>
    <message>
        <source>81:Open Triangle</source>
        <translation>81:開放三角鐵</translation>
    </message>
    <message>
        <source>82:Shaker</source>
        <translation>82:沙筒</translation>
    </message>
    <message>
        <source>83:Jingle Bell</source>
        <translation>83:雪橇鈴</translation>
    </message>
    <message>
        <source>84:Bell Tree</source>
        <translation>84:音樹</translation>
    </message>
    <message>
        <source>85:Castanets</source>
        <translation>85:響板</translation>
    </message>
    <message>
        <source>86:Mute Surdo</source>
        <translation>86:悶音蘇爾多鼓</translation>
    </message>
    <message>
        <source>87:Open Surdo</source>
        <translation>87:開放蘇爾多鼓</translation>
    </message>
    <message>
        <source>88:Applause 2</source>
        <translation>88:掌聲 2</translation>
    </message>
</context>
<context>
    <name>TfrmInsDel</name>
    <message>
        <source>挿入</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>空白を挿入し、以降の音符を右にシフトします</source>
        <translation>插入空白，並將其後的音符右移</translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation>插入數量</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>小節</source>
        <translation>小節</translation>
    </message>
    <message>
        <source>グリッド</source>
        <translation>格線</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TfrmPlay</name>
    <message>
        <source>演奏コントロール</source>
        <translation>播放控制</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>楽譜の速度で演奏する</source>
        <translation>依樂譜速度播放</translation>
    </message>
    <message>
        <source>速度：</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>演奏開始時クリック音</source>
        <translation>開始前預備拍</translation>
    </message>
    <message>
        <source>小節数：</source>
        <translation>小節數：</translation>
    </message>
    <message>
        <source>ﾘﾋﾟｰﾄ記号 D.C. D.S. を無視して演奏する</source>
        <translation>播放時忽略反覆記號、D.C.、D.S.</translation>
    </message>
    <message>
        <source>演奏回数：</source>
        <translation>播放遍數：</translation>
    </message>
    <message>
        <source>繰返し時、開始クリック音を鳴らさない</source>
        <translation>重複時不播放預備拍</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>靜音：</translation>
    </message>
    <message>
        <source>メトロノーム</source>
        <translation>節拍器</translation>
    </message>
    <message>
        <source>楽譜データ</source>
        <translation>旋律</translation>
    </message>
    <message>
        <source>PlayBias：</source>
        <translation>移調：</translation>
    </message>
    <message>
        <source>楽器：</source>
        <translation>樂器：</translation>
    </message>
    <message>
        <source>表情をつけて演奏する</source>
        <translation>帶表情播放</translation>
    </message>
</context>
<context>
    <name>TfrmPreview</name>
    <message>
        <source>プレビュー</source>
        <translation>預覽</translation>
    </message>
    <message>
        <source>最初のページ(&amp;F)</source>
        <translation>第一頁(&amp;F)</translation>
    </message>
    <message>
        <source>前ページ(&amp;V)</source>
        <translation>上一頁(&amp;V)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>次ページ(&amp;N)</source>
        <translation>下一頁(&amp;N)</translation>
    </message>
    <message>
        <source>最後のページ(&amp;L)</source>
        <translation>最後一頁(&amp;L)</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>關閉(&amp;C)</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>列印(&amp;P)...</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>縮放</translation>
    </message>
</context>
<context>
    <name>TfrmRecord</name>
    <message>
        <source>録音して採譜</source>
        <translation>錄音並記譜</translation>
    </message>
    <message>
        <source>入力デバイス(&amp;D):</source>
        <translation>輸入裝置(&amp;D):</translation>
    </message>
    <message>
        <source>レベル:</source>
        <translation>音量:</translation>
    </message>
    <message>
        <source>テンポ(&amp;T):</source>
        <translation>速度(&amp;T):</translation>
    </message>
    <message>
        <source>カウントを入れる(&amp;C)</source>
        <translation>預備拍(&amp;C)</translation>
    </message>
    <message>
        <source>拍</source>
        <translation>拍</translation>
    </message>
    <message>
        <source>録音中にメトロノームを鳴らす(&amp;M)</source>
        <translation>錄音時播放節拍器(&amp;M)</translation>
    </message>
    <message>
        <source>録音(&amp;R)</source>
        <translation>錄音(&amp;R)</translation>
    </message>
    <message>
        <source>停止(&amp;S)</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TfrmSetBarNum</name>
    <message>
        <source>小節数入力</source>
        <translation>輸入小節數</translation>
    </message>
    <message>
        <source>小節数</source>
        <translation>小節數</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TfrmSetInfo</name>
    <message>
        <source>ブック情報設定</source>
        <translation>曲集設定</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation>作曲</translation>
    </message>
    <message>
        <source>調</source>
        <translation>調</translation>
    </message>
    <message>
        <source>演奏速度</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>♩＝</source>
        <translation>♩＝</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source> 9</source>
        <translation> 9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>72</source>
        <translation>72</translation>
    </message>
    <message>
        <source>タイトル部分の高さ</source>
        <translation>標題區高度</translation>
    </message>
    <message>
        <source>余白（上）</source>
        <translation>上邊界</translation>
    </message>
    <message>
        <source>余白（下）</source>
        <translation>下邊界</translation>
    </message>
    <message>
        <source>余白（左）</source>
        <translation>左邊界</translation>
    </message>
    <message>
        <source>余白（右）</source>
        <translation>右邊界</translation>
    </message>
    <message>
        <source>１段あたりの小節数</source>
        <translation>每行小節數</translation>
    </message>
    <message>
        <source>１小節内の目盛り数</source>
        <translation>每小節刻度數</translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation>每頁行數</translation>
    </message>
    <message>
        <source>指番号も表示する</source>
        <translation>同時顯示指法</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>指法</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）も表示する</source>
        <translation>同時顯示力度記號（ppp～fff）</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation>力度記號（ppp～fff）</translation>
    </message>
    <message>
        <source>クレッシェンドも表示する</source>
        <translation>同時顯示漸強</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation>漸強</translation>
    </message>
    <message>
        <source>スラーも表示する</source>
        <translation>同時顯示圓滑線</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation>圓滑線</translation>
    </message>
    <message>
        <source>装飾音も表示する</source>
        <translation>同時顯示倚音</translation>
    </message>
    <message>
        <source>装飾音</source>
        <translation>倚音</translation>
    </message>
    <message>
        <source>演奏速度も表示する</source>
        <translation>同時顯示速度</translation>
    </message>
    <message>
        <source>分岐も表示する</source>
        <translation>同時顯示反覆跳躍記號</translation>
    </message>
    <message>
        <source>分岐</source>
        <translation>反覆跳躍記號</translation>
    </message>
    <message>
        <source>弓も表示する</source>
        <translation>同時顯示弓法</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>弓法</translation>
    </message>
    <message>
        <source>弦も表示する</source>
        <translation>同時顯示內外弦</translation>
    </message>
    <message>
        <source>弦</source>
        <translation>內外弦</translation>
    </message>
    <message>
        <source>三連符も表示する</source>
        <translation>同時顯示三連音</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation>三連音</translation>
    </message>
    <message>
        <source>括弧も表示する</source>
        <translation>同時顯示反覆結尾</translation>
    </message>
    <message>
        <source>括弧</source>
        <translation>反覆結尾</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>320 %</source>
        <translation>320 %</translation>
    </message>
    <message>
        <source>270 %</source>
        <translation>270 %</translation>
    </message>
    <message>
        <source>220 %</source>
        <translation>220 %</translation>
    </message>
    <message>
        <source>170 %</source>
        <translation>170 %</translation>
    </message>
    <message>
        <source>120 %</source>
        <translation>120 %</translation>
    </message>
    <message>
        <source>-120 %</source>
        <translation>-120 %</translation>
    </message>
    <message>
        <source>-170 %</source>
        <translation>-170 %</translation>
    </message>
    <message>
        <source>カーソル設定</source>
        <translation>游標設定</translation>
    </message>
    <message>
        <source>カーソル右移動時に小節線をスキップする</source>
        <translation>游標右移時跳過小節線</translation>
    </message>
    <message>
        <source>ピアノ鍵盤</source>
        <translation>鋼琴鍵盤</translation>
    </message>
    <message>
        <source>ピアノ鍵盤に音階名を表示する</source>
        <translation>在鋼琴鍵盤上顯示音名</translation>
    </message>
    <message>
        <source>マウス右ボタンクリックの動作</source>
        <translation>滑鼠右鍵按一下的動作</translation>
    </message>
    <message>
        <source>クリックされた鍵盤の音階を鳴らす</source>
        <translation>播放所按琴鍵的音</translation>
    </message>
    <message>
        <source>音符入力用のカーソルをひとつ右に移動する</source>
        <translation>將音符輸入游標右移一格</translation>
    </message>
    <message>
        <source>開放弦の指番号として使用する記号</source>
        <translation>空弦指法使用的符號</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>拡張子関連付け</source>
        <translation>檔案關聯</translation>
    </message>
    <message>
        <source>ソルベル数字譜ファイル（svl）の関連付けを登録します</source>
        <translation>註冊 Sorvel 簡譜檔案（svl）的關聯</translation>
    </message>
    <message>
        <source>関連付け登録</source>
        <translation>註冊關聯</translation>
    </message>
    <message>
        <source>関連付け登録解除</source>
        <translation>解除關聯</translation>
    </message>
    <message>
        <source>楽譜の文字の色</source>
        <translation>樂譜文字色彩</translation>
    </message>
    <message>
        <source>グリッドの色</source>
        <translation>格線色彩</translation>
    </message>
    <message>
        <source>カーソル文字の色</source>
        <translation>游標文字色彩</translation>
    </message>
    <message>
        <source>ラバーバンドの色</source>
        <translation>選取框色彩</translation>
    </message>
    <message>
        <source>演奏時カーソル</source>
        <translation>播放游標</translation>
    </message>
    <message>
        <source>色</source>
        <translation>色彩</translation>
    </message>
    <message>
        <source>太さ</source>
        <translation>粗細</translation>
    </message>
    <message>
        <source>表示モード</source>
        <translation>顯示模式</translation>
    </message>
    <message>
        <source>上書表示</source>
        <translation>覆蓋顯示</translation>
    </message>
    <message>
        <source>反転表示</source>
        <translation>反白顯示</translation>
    </message>
    <message>
        <source>出力デバイス</source>
        <translation>輸出裝置</translation>
    </message>
    <message>
        <source>クリック音設定</source>
        <translation>節拍聲設定</translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation>節奏通道編號</translation>
    </message>
    <message>
        <source>強</source>
        <translation>強拍</translation>
    </message>
    <message>
        <source>音色</source>
        <translation>音色</translation>
    </message>
    <message>
        <source>ベロシティ</source>
        <translation>力度（velocity）</translation>
    </message>
    <message>
        <source>試聴</source>
        <translation>試聽</translation>
    </message>
    <message>
        <source>押している間、クリック音を鳴らします</source>
        <translation>按住時播放節拍聲</translation>
    </message>
    <message>
        <source>弱</source>
        <translation>弱拍</translation>
    </message>
    <message>
        <source>楽譜再生音設定</source>
        <translation>樂譜播放音設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>次回の起動時から有効になります。</source>
        <translation>下次啟動時生效。</translation>
    </message>
    <message>
        <source>ブック新規作成で、タイトル・調・拍子などを最初に聞く</source>
        <translation>新增曲集時先詢問標題、調、拍號等</translation>
    </message>
    <message>
        <source>リズム入力</source>
        <translation>節奏輸入</translation>
    </message>
    <message>
        <source>オクターブを自動で決める</source>
        <translation>自動決定八度</translation>
    </message>
</context>
<context>
    <name>TfrmSetNote</name>
    <message>
        <source>音符設定</source>
        <translation>音符設定</translation>
    </message>
    <message>
        <source>臨時記号と付点は、ドラッグして位置を変えられます。</source>
        <translation>臨時記號和附點可以拖曳來調整位置。</translation>
    </message>
    <message>
        <source>この設定を今後の規定値とする</source>
        <translation>將此設定作為今後的預設值</translation>
    </message>
    <message>
        <source>この設定を全ての音符に適用する</source>
        <translation>將此設定套用至所有音符</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TfrmSetTempo</name>
    <message>
        <source>テンポ入力</source>
        <translation>輸入速度</translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>回/分</source>
        <translation>次/分</translation>
    </message>
    <message>
        <source>％</source>
        <translation>％</translation>
    </message>
    <message>
        <source>印刷しない</source>
        <translation>不列印</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TfrmSetText</name>
    <message>
        <source>テキスト入力</source>
        <translation>輸入文字</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>字型</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source> 6</source>
        <translation> 6</translation>
    </message>
    <message>
        <source> 7</source>
        <translation> 7</translation>
    </message>
    <message>
        <source> 8</source>
        <translation> 8</translation>
    </message>
    <message>
        <source> 9</source>
        <translation> 9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>48</source>
        <translation>48</translation>
    </message>
    <message>
        <source>72</source>
        <translation>72</translation>
    </message>
    <message>
        <source>枠の太さ</source>
        <translation>框線粗細</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>枠の巾</source>
        <translation>框寬度</translation>
    </message>
    <message>
        <source>枠の高さ</source>
        <translation>框高度</translation>
    </message>
    <message>
        <source>行間隔</source>
        <translation>行距</translation>
    </message>
    <message>
        <source>  0%</source>
        <translation>  0%</translation>
    </message>
    <message>
        <source> 10%</source>
        <translation> 10%</translation>
    </message>
    <message>
        <source> 20%</source>
        <translation> 20%</translation>
    </message>
    <message>
        <source> 30%</source>
        <translation> 30%</translation>
    </message>
    <message>
        <source> 40%</source>
        <translation> 40%</translation>
    </message>
    <message>
        <source> 50%</source>
        <translation> 50%</translation>
    </message>
    <message>
        <source> 60%</source>
        <translation> 60%</translation>
    </message>
    <message>
        <source> 70%</source>
        <translation> 70%</translation>
    </message>
    <message>
        <source> 80%</source>
        <translation> 80%</translation>
    </message>
    <message>
        <source> 90%</source>
        <translation> 90%</translation>
    </message>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TfrmSetdaon</name>
    <message>
        <source>設定</source>
        <translation>倚音設定</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>指法</translation>
    </message>
    <message>
        <source>音程</source>
        <translation>音高</translation>
    </message>
    <message>
        <source>オクターブ</source>
        <translation>八度</translation>
    </message>
    <message>
        <source>１音目</source>
        <translation>第1音</translation>
    </message>
    <message>
        <source>3</source>
        <translation type="vanished">3</translation>
    </message>
    <message>
        <source>2</source>
        <translation type="vanished">2</translation>
    </message>
    <message>
        <source>1</source>
        <translation type="vanished">1</translation>
    </message>
    <message>
        <source>0</source>
        <translation type="vanished">0</translation>
    </message>
    <message>
        <source>-1</source>
        <translation type="vanished">-1</translation>
    </message>
    <message>
        <source>-2</source>
        <translation type="vanished">-2</translation>
    </message>
    <message>
        <source>２音目</source>
        <translation>第2音</translation>
    </message>
    <message>
        <source>３音目</source>
        <translation>第3音</translation>
    </message>
    <message>
        <source>４音目</source>
        <translation>第4音</translation>
    </message>
    <message>
        <source>音長</source>
        <translation>時值</translation>
    </message>
    <message>
        <source>&#x3000;８分音符</source>
        <translation>八分音符</translation>
    </message>
    <message>
        <source>１６分音符</source>
        <translation>十六分音符</translation>
    </message>
    <message>
        <source>３２分音符</source>
        <translation>三十二分音符</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TfrmTableOfContent</name>
    <message>
        <source>目次</source>
        <translation>目錄</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;曲&#x3000;&#x3000;名</source>
        <translation>&#x3000;&#x3000;曲&#x3000;&#x3000;名</translation>
    </message>
    <message>
        <source> 調</source>
        <translation> 調</translation>
    </message>
    <message>
        <source>&#x3000;作&#x3000;曲&#x3000;者</source>
        <translation>&#x3000;作&#x3000;曲&#x3000;者</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>頁碼</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>TfrmTuning</name>
    <message>
        <source>チューニング</source>
        <translation>定弦</translation>
    </message>
    <message>
        <source>内弦</source>
        <translation>內弦</translation>
    </message>
    <message>
        <source>外弦</source>
        <translation>外弦</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成</source>
        <translation>新增頁面</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>取消復原</translation>
    </message>
    <message>
        <source>カーソル表示</source>
        <translation>顯示輸入游標</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>播放</translation>
    </message>
</context>
<context>
    <name>sorvel::EditorDocument</name>
    <message>
        <source>%1
続けて別の変更が行われたため、この変更は取り消していません。</source>
        <translation>%1
由於之後又進行了其他變更，此變更未被復原。</translation>
    </message>
</context>
<context>
    <name>sorvel::GeneralMidi</name>
    <message>
        <source>アコースティック・グランド・ピアノ</source>
        <translation>原聲大鋼琴</translation>
    </message>
    <message>
        <source>ブライト・アコースティック・ピアノ</source>
        <translation>明亮原聲鋼琴</translation>
    </message>
    <message>
        <source>エレクトリック・グランド・ピアノ</source>
        <translation>電子大鋼琴</translation>
    </message>
    <message>
        <source>ホンキートンク・ピアノ</source>
        <translation>酒吧鋼琴</translation>
    </message>
    <message>
        <source>エレクトリック・ピアノ1</source>
        <translation>電鋼琴 1</translation>
    </message>
    <message>
        <source>エレクトリック・ピアノ2</source>
        <translation>電鋼琴 2</translation>
    </message>
    <message>
        <source>ハープシコード</source>
        <translation>大鍵琴</translation>
    </message>
    <message>
        <source>クラビネット</source>
        <translation>擊弦古鋼琴</translation>
    </message>
    <message>
        <source>チェレスタ</source>
        <translation>鋼片琴</translation>
    </message>
    <message>
        <source>グロッケンシュピール</source>
        <translation>鐘琴</translation>
    </message>
    <message>
        <source>オルゴール</source>
        <translation>音樂盒</translation>
    </message>
    <message>
        <source>ビブラフォン</source>
        <translation>顫音琴</translation>
    </message>
    <message>
        <source>マリンバ</source>
        <translation>馬林巴木琴</translation>
    </message>
    <message>
        <source>シロフォン</source>
        <translation>木琴</translation>
    </message>
    <message>
        <source>チューブラー・ベル</source>
        <translation>管鐘</translation>
    </message>
    <message>
        <source>ダルシマー</source>
        <translation>揚琴</translation>
    </message>
    <message>
        <source>ドローバー・オルガン</source>
        <translation>拉桿風琴</translation>
    </message>
    <message>
        <source>パーカッシブ・オルガン</source>
        <translation>打擊風琴</translation>
    </message>
    <message>
        <source>ロック・オルガン</source>
        <translation>搖滾風琴</translation>
    </message>
    <message>
        <source>チャーチ・オルガン</source>
        <translation>教堂管風琴</translation>
    </message>
    <message>
        <source>リード・オルガン</source>
        <translation>簧風琴</translation>
    </message>
    <message>
        <source>アコーディオン</source>
        <translation>手風琴</translation>
    </message>
    <message>
        <source>ハーモニカ</source>
        <translation>口琴</translation>
    </message>
    <message>
        <source>タンゴ・アコーディオン</source>
        <translation>探戈手風琴</translation>
    </message>
    <message>
        <source>アコースティック・ギター（ナイロン弦）</source>
        <translation>尼龍弦吉他</translation>
    </message>
    <message>
        <source>アコースティック・ギター（スチール弦）</source>
        <translation>鋼弦吉他</translation>
    </message>
    <message>
        <source>ジャズ・ギター</source>
        <translation>爵士電吉他</translation>
    </message>
    <message>
        <source>クリーン・ギター</source>
        <translation>清音電吉他</translation>
    </message>
    <message>
        <source>ミュート・ギター</source>
        <translation>悶音電吉他</translation>
    </message>
    <message>
        <source>オーバードライブ・ギター</source>
        <translation>過載電吉他</translation>
    </message>
    <message>
        <source>ディストーション・ギター</source>
        <translation>破音電吉他</translation>
    </message>
    <message>
        <source>ギター・ハーモニクス</source>
        <translation>吉他泛音</translation>
    </message>
    <message>
        <source>アコースティック・ベース</source>
        <translation>原聲貝斯</translation>
    </message>
    <message>
        <source>フィンガー・ベース</source>
        <translation>指彈電貝斯</translation>
    </message>
    <message>
        <source>ピック・ベース</source>
        <translation>撥片電貝斯</translation>
    </message>
    <message>
        <source>フレットレス・ベース</source>
        <translation>無琴格貝斯</translation>
    </message>
    <message>
        <source>スラップ・ベース1</source>
        <translation>拍擊貝斯 1</translation>
    </message>
    <message>
        <source>スラップ・ベース2</source>
        <translation>拍擊貝斯 2</translation>
    </message>
    <message>
        <source>シンセ・ベース1</source>
        <translation>合成貝斯 1</translation>
    </message>
    <message>
        <source>シンセ・ベース2</source>
        <translation>合成貝斯 2</translation>
    </message>
    <message>
        <source>バイオリン</source>
        <translation>小提琴</translation>
    </message>
    <message>
        <source>ビオラ</source>
        <translation>中提琴</translation>
    </message>
    <message>
        <source>チェロ</source>
        <translation>大提琴</translation>
    </message>
    <message>
        <source>コントラバス</source>
        <translation>低音提琴</translation>
    </message>
    <message>
        <source>トレモロ・ストリングス</source>
        <translation>顫弓弦樂</translation>
    </message>
    <message>
        <source>ピチカート・ストリングス</source>
        <translation>弦樂撥弦</translation>
    </message>
    <message>
        <source>ハープ</source>
        <translation>豎琴</translation>
    </message>
    <message>
        <source>ティンパニ</source>
        <translation>定音鼓</translation>
    </message>
    <message>
        <source>ストリングス</source>
        <translation>弦樂合奏</translation>
    </message>
    <message>
        <source>スロー・ストリングス</source>
        <translation>慢速弦樂合奏</translation>
    </message>
    <message>
        <source>シンセ・ストリングス1</source>
        <translation>合成弦樂 1</translation>
    </message>
    <message>
        <source>シンセ・ストリングス2</source>
        <translation>合成弦樂 2</translation>
    </message>
    <message>
        <source>クワイア・アー</source>
        <translation>合唱「啊」</translation>
    </message>
    <message>
        <source>ボイス・ウー</source>
        <translation>人聲「喔」</translation>
    </message>
    <message>
        <source>シンセ・ボイス</source>
        <translation>合成人聲</translation>
    </message>
    <message>
        <source>オーケストラ・ヒット</source>
        <translation>管弦樂重擊</translation>
    </message>
    <message>
        <source>トランペット</source>
        <translation>小號</translation>
    </message>
    <message>
        <source>トロンボーン</source>
        <translation>長號</translation>
    </message>
    <message>
        <source>チューバ</source>
        <translation>低音號</translation>
    </message>
    <message>
        <source>ミュート・トランペット</source>
        <translation>弱音小號</translation>
    </message>
    <message>
        <source>フレンチ・ホルン</source>
        <translation>法國號</translation>
    </message>
    <message>
        <source>ブラス・セクション</source>
        <translation>銅管組</translation>
    </message>
    <message>
        <source>シンセ・ブラス1</source>
        <translation>合成銅管 1</translation>
    </message>
    <message>
        <source>シンセ・ブラス2</source>
        <translation>合成銅管 2</translation>
    </message>
    <message>
        <source>ソプラノ・サックス</source>
        <translation>高音薩克斯風</translation>
    </message>
    <message>
        <source>アルト・サックス</source>
        <translation>中音薩克斯風</translation>
    </message>
    <message>
        <source>テナー・サックス</source>
        <translation>次中音薩克斯風</translation>
    </message>
    <message>
        <source>バリトン・サックス</source>
        <translation>上低音薩克斯風</translation>
    </message>
    <message>
        <source>オーボエ</source>
        <translation>雙簧管</translation>
    </message>
    <message>
        <source>イングリッシュ・ホルン</source>
        <translation>英國管</translation>
    </message>
    <message>
        <source>ファゴット</source>
        <translation>低音管</translation>
    </message>
    <message>
        <source>クラリネット</source>
        <translation>單簧管</translation>
    </message>
    <message>
        <source>ピッコロ</source>
        <translation>短笛</translation>
    </message>
    <message>
        <source>フルート</source>
        <translation>長笛</translation>
    </message>
    <message>
        <source>リコーダー</source>
        <translation>直笛</translation>
    </message>
    <message>
        <source>パン・フルート</source>
        <translation>排笛</translation>
    </message>
    <message>
        <source>ボトル・ブロウ</source>
        <translation>吹瓶</translation>
    </message>
    <message>
        <source>尺八</source>
        <translation>尺八</translation>
    </message>
    <message>
        <source>口笛</source>
        <translation>口哨</translation>
    </message>
    <message>
        <source>オカリナ</source>
        <translation>陶笛</translation>
    </message>
    <message>
        <source>矩形波</source>
        <translation>方波</translation>
    </message>
    <message>
        <source>ノコギリ波</source>
        <translation>鋸齒波</translation>
    </message>
    <message>
        <source>カリオペ</source>
        <translation>汽笛風琴</translation>
    </message>
    <message>
        <source>チフ・リード</source>
        <translation>吹管主音</translation>
    </message>
    <message>
        <source>チャランゴ</source>
        <translation>沙朗</translation>
    </message>
    <message>
        <source>ソロ・ボイス</source>
        <translation>獨唱人聲</translation>
    </message>
    <message>
        <source>5度ノコギリ波</source>
        <translation>五度鋸齒波</translation>
    </message>
    <message>
        <source>ベース＆リード</source>
        <translation>貝斯與主音</translation>
    </message>
    <message>
        <source>ファンタジア</source>
        <translation>幻想曲</translation>
    </message>
    <message>
        <source>ウォーム・パッド</source>
        <translation>溫暖背景</translation>
    </message>
    <message>
        <source>ポリシンセ</source>
        <translation>複音合成</translation>
    </message>
    <message>
        <source>スペース・ボイス</source>
        <translation>太空人聲</translation>
    </message>
    <message>
        <source>ボウド・グラス</source>
        <translation>弓擦玻璃</translation>
    </message>
    <message>
        <source>メタル・パッド</source>
        <translation>金屬背景</translation>
    </message>
    <message>
        <source>ハロー・パッド</source>
        <translation>光環背景</translation>
    </message>
    <message>
        <source>スウィープ・パッド</source>
        <translation>掃頻背景</translation>
    </message>
    <message>
        <source>アイス・レイン</source>
        <translation>冰雨</translation>
    </message>
    <message>
        <source>サウンドトラック</source>
        <translation>電影配樂</translation>
    </message>
    <message>
        <source>クリスタル</source>
        <translation>水晶</translation>
    </message>
    <message>
        <source>アトモスフィア</source>
        <translation>大氣</translation>
    </message>
    <message>
        <source>ブライトネス</source>
        <translation>明亮</translation>
    </message>
    <message>
        <source>ゴブリン</source>
        <translation>精靈</translation>
    </message>
    <message>
        <source>エコー・ドロップス</source>
        <translation>回聲水滴</translation>
    </message>
    <message>
        <source>スター・テーマ</source>
        <translation>星空主題</translation>
    </message>
    <message>
        <source>シタール</source>
        <translation>西塔琴</translation>
    </message>
    <message>
        <source>バンジョー</source>
        <translation>斑鳩琴</translation>
    </message>
    <message>
        <source>三味線</source>
        <translation>三味線</translation>
    </message>
    <message>
        <source>琴</source>
        <translation>日本箏</translation>
    </message>
    <message>
        <source>カリンバ</source>
        <translation>卡林巴琴</translation>
    </message>
    <message>
        <source>バグパイプ</source>
        <translation>風笛</translation>
    </message>
    <message>
        <source>フィドル</source>
        <translation>民俗提琴</translation>
    </message>
    <message>
        <source>シャーナイ</source>
        <translation>嗩吶</translation>
    </message>
    <message>
        <source>ティンクル・ベル</source>
        <translation>叮噹鈴</translation>
    </message>
    <message>
        <source>アゴゴ</source>
        <translation>阿哥哥鈴</translation>
    </message>
    <message>
        <source>スチール・ドラム</source>
        <translation>鋼鼓</translation>
    </message>
    <message>
        <source>ウッド・ブロック</source>
        <translation>木魚</translation>
    </message>
    <message>
        <source>太鼓</source>
        <translation>太鼓</translation>
    </message>
    <message>
        <source>メロディック・タム</source>
        <translation>旋律通鼓</translation>
    </message>
    <message>
        <source>シンセ・ドラム</source>
        <translation>合成鼓</translation>
    </message>
    <message>
        <source>リバース・シンバル</source>
        <translation>反向鈸</translation>
    </message>
    <message>
        <source>ギター・フレット・ノイズ</source>
        <translation>吉他滑弦噪音</translation>
    </message>
    <message>
        <source>ブレス・ノイズ</source>
        <translation>呼吸聲</translation>
    </message>
    <message>
        <source>海岸</source>
        <translation>海浪</translation>
    </message>
    <message>
        <source>鳥のさえずり</source>
        <translation>鳥鳴</translation>
    </message>
    <message>
        <source>電話のベル</source>
        <translation>電話鈴</translation>
    </message>
    <message>
        <source>ヘリコプター</source>
        <translation>直升機</translation>
    </message>
    <message>
        <source>拍手</source>
        <translation>鼓掌</translation>
    </message>
    <message>
        <source>銃声</source>
        <translation>槍聲</translation>
    </message>
</context>
<context>
    <name>sorvel::KeyCode</name>
    <message>
        <source>%1（弦）</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>sorvel::MusicXmlCommands</name>
    <message>
        <source>MusicXMLを読み込む</source>
        <translation>匯入 MusicXML</translation>
    </message>
    <message>
        <source>この楽譜にはパートが %1 個あります。読み込むパートを選んでください:</source>
        <translation>此樂譜有 %1 個聲部。請選擇要匯入的聲部：</translation>
    </message>
    <message>
        <source>（名前なし）</source>
        <translation>（無名稱）</translation>
    </message>
    <message>
        <source>（音符なし）</source>
        <translation>（無音符）</translation>
    </message>
    <message>
        <source>MusicXMLで保存しました: %1</source>
        <translation>已匯出 MusicXML：%1</translation>
    </message>
</context>
<context>
    <name>sorvel::NewBookDialog</name>
    <message>
        <source>なし</source>
        <translation>無</translation>
    </message>
</context>
<context>
    <name>sorvel::PlaybackController</name>
    <message>
        <source>再生</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>音声出力を開けないため、演奏とモニター音は使えません。</source>
        <translation>無法開啟音訊輸出，播放和監聽音無法使用。</translation>
    </message>
</context>
<context>
    <name>sorvel::PrintCommands</name>
    <message>
        <source>PDFを作成しています...</source>
        <translation>正在建立 PDF...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>PDFで保存</source>
        <translation>儲存為 PDF</translation>
    </message>
    <message>
        <source>%1 に印刷しました。</source>
        <translation>已列印至 %1。</translation>
    </message>
    <message>
        <source>ビットマップファイルを保存できませんでした。
%1</source>
        <translation>無法儲存圖片檔案。
%1</translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation>已儲存至 %1。</translation>
    </message>
    <message>
        <source>PDFの保存を取り消しました。</source>
        <translation>已取消儲存 PDF。</translation>
    </message>
    <message>
        <source>PDFファイルを保存できませんでした。
%1</source>
        <translation>無法儲存 PDF 檔案。
%1</translation>
    </message>
</context>
<context>
    <name>sorvel::RecoveryController</name>
    <message>
        <source>復元用のコピーを書き込めません（%1）。異常終了すると変更が失われます。こまめに保存してください。</source>
        <translation>無法寫入還原用複本（%1）。若程式異常結束，變更將會遺失。請經常儲存。</translation>
    </message>
    <message>
        <source>復元用のコピーを再び書き込めるようになりました。</source>
        <translation>已可再次寫入還原用複本。</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>前回の終了時に保存されていない変更があります。
復元しますか？

ファイル: %1
日時: %2

「いいえ」を選ぶと、この変更は破棄されます。「後で」を選ぶと、次回の起動時にもう一度確認します。</source>
        <translation>上次結束時有未儲存的變更。
是否還原？

檔案：%1
日期時間：%2

選擇「否」將捨棄這些變更。選擇「稍後」將在下次啟動時再次詢問。</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>後で(&amp;L)</source>
        <translation>稍後(&amp;L)</translation>
    </message>
    <message>
        <source>前回の終了時の復元用のコピーを読み込めませんでした。</source>
        <translation>無法讀取上次結束時的還原用複本。</translation>
    </message>
    <message>
        <source>

コピーは次の名前で残してあります。次回からは確認しません。</source>
        <translation>

複本已以下列名稱保留。之後不再詢問。</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmInsDel</name>
    <message>
        <source>挿入</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>空白を挿入し、以降の音符を右にシフトします</source>
        <translation>插入空白，並將其後的音符右移</translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation>插入數量</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>音符を削除し、以降の音符を左にシフトします</source>
        <translation>刪除音符，並將其後的音符左移</translation>
    </message>
    <message>
        <source>削除数</source>
        <translation>刪除數量</translation>
    </message>
    <message>
        <source>挿入する%1数がマイナスです。</source>
        <translation>要插入的%1數為負數。</translation>
    </message>
    <message>
        <source>挿入する%1数が１ページを超えています。</source>
        <translation>要插入的%1數超過一頁。</translation>
    </message>
    <message>
        <source>削除する%1数がマイナスです。</source>
        <translation>要刪除的%1數為負數。</translation>
    </message>
    <message>
        <source>削除する%1数が１ページを超えています。</source>
        <translation>要刪除的%1數超過一頁。</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmKeyBoard</name>
    <message>
        <source>ピアノ鍵盤</source>
        <translation>鋼琴鍵盤</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmMain</name>
    <message>
        <source>デフォルトのプリンターが登録されていませんので、印刷はできません。<byte value="xd"/>
<byte value="xd"/>
印刷以外の操作は通常通り行えます。</source>
        <translation>未設定預設印表機，無法列印。<byte value="xd"/>
<byte value="xd"/>
除列印以外的其他操作皆可正常進行。</translation>
    </message>
    <message>
        <source>ドロップするファイルは１個にしてください。</source>
        <translation>請只拖放一個檔案。</translation>
    </message>
    <message>
        <source>前回保存されなかった変更を復元しました。</source>
        <translation>已還原上次未儲存的變更。</translation>
    </message>
    <message>
        <source>全音符</source>
        <translation>全音符</translation>
    </message>
    <message>
        <source>2分音符</source>
        <translation>二分音符</translation>
    </message>
    <message>
        <source>4分音符</source>
        <translation>四分音符</translation>
    </message>
    <message>
        <source>8分音符</source>
        <translation>八分音符</translation>
    </message>
    <message>
        <source>16分音符</source>
        <translation>十六分音符</translation>
    </message>
    <message>
        <source>32分音符</source>
        <translation>三十二分音符</translation>
    </message>
    <message>
        <source>64分音符</source>
        <translation>六十四分音符</translation>
    </message>
    <message>
        <source>付点%1</source>
        <translation>附點%1</translation>
    </message>
    <message>
        <source>リズム入力: %1</source>
        <translation>節奏輸入：%1</translation>
    </message>
    <message>
        <source>リズム入力: %1（付点の後）→ %2</source>
        <translation>節奏輸入：%1（附點之後）→ %2</translation>
    </message>
    <message>
        <source>入力中の%1ページに戻りました。</source>
        <translation>已返回正在輸入的第%1頁。</translation>
    </message>
    <message>
        <source>音符の後から新しい小節を始めます。</source>
        <translation>在現有音符之後開始新的小節。</translation>
    </message>
    <message>
        <source>この先には音符があるため、入力できません。</source>
        <translation>前方已有音符，無法繼續輸入。</translation>
    </message>
    <message>
        <source>弱起の小節を閉じました。次の音符から小節が始まります。</source>
        <translation>弱起小節已結束。從下一個音符起開始完整的小節。</translation>
    </message>
    <message>
        <source>小節を短く閉じました。</source>
        <translation>已提前結束本小節。</translation>
    </message>
    <message>
        <source>装飾音の後には、それを付ける音符を入力してください。</source>
        <translation>倚音之後，請輸入它所屬的音符。</translation>
    </message>
    <message>
        <source>装飾音には臨時記号を付けられません。</source>
        <translation>倚音不能加臨時記號。</translation>
    </message>
    <message>
        <source>装飾音は４つまでです。</source>
        <translation>倚音最多 4 個。</translation>
    </message>
    <message>
        <source>x z: オクターブ&#x3000;c v: 長さ&#x3000;# b n: 臨時記号&#x3000;g: 装飾音&#x3000;/: 小節を閉じる</source>
        <translation>x z：八度　c v：時值　# b n：臨時記號　g：倚音　/：結束小節</translation>
    </message>
    <message>
        <source>&#x3000;装飾音 %1</source>
        <translation>　倚音 %1</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmPlay</name>
    <message>
        <source>MUTE(交互)</source>
        <translation>隔遍靜音</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>每遍靜音</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmRecord</name>
    <message>
        <source>録音に使える入力デバイスがありません。</source>
        <translation>沒有可用於錄音的輸入裝置。</translation>
    </message>
    <message>
        <source>カウント中…</source>
        <translation>預備拍中…</translation>
    </message>
    <message>
        <source>録音中 %1</source>
        <translation>錄音中 %1</translation>
    </message>
    <message>
        <source>録音できませんでした。入力デバイスを確かめてください。</source>
        <translation>無法錄音。請檢查輸入裝置。</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmSetInfo</name>
    <message>
        <source>ブックタイトル</source>
        <translation>曲集標題</translation>
    </message>
    <message>
        <source>ページプロパティ</source>
        <translation>頁面屬性</translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation>顯示位置</translation>
    </message>
    <message>
        <source>曲情報</source>
        <translation>樂曲資訊</translation>
    </message>
    <message>
        <source>一般</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>色</source>
        <translation>色彩</translation>
    </message>
    <message>
        <source>MIDI設定</source>
        <translation>MIDI 設定</translation>
    </message>
    <message>
        <source>ブック情報設定</source>
        <translation>曲集設定</translation>
    </message>
    <message>
        <source>ページ情報設定</source>
        <translation>頁面設定</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>関連付けを登録できませんでした。</source>
        <translation>無法註冊檔案關聯。</translation>
    </message>
    <message>
        <source>関連付けを解除できませんでした。</source>
        <translation>無法解除檔案關聯。</translation>
    </message>
    <message>
        <source>自動（システムの言語）</source>
        <translation>自動（系統語言）</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmSetdaon</name>
    <message>
        <source>3</source>
        <comment>octave: three dots above</comment>
        <translation>超高</translation>
    </message>
    <message>
        <source>2</source>
        <comment>octave: two dots above</comment>
        <translation>倍高</translation>
    </message>
    <message>
        <source>1</source>
        <comment>octave: one dot above</comment>
        <translation>高</translation>
    </message>
    <message>
        <source>0</source>
        <comment>octave: no dot</comment>
        <translation>中</translation>
    </message>
    <message>
        <source>-1</source>
        <comment>octave: one dot below</comment>
        <translation>低</translation>
    </message>
    <message>
        <source>-2</source>
        <comment>octave: two dots below</comment>
        <translation>倍低</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmVersionInfo</name>
    <message>
        <source>ソルベル</source>
        <translation>Sorvel</translation>
    </message>
    <message>
        <source>二胡専用数字譜エディター『ソルベル』のバージョン情報</source>
        <translation>關於二胡簡譜編輯器 Sorvel</translation>
    </message>
    <message>
        <source>二胡専用数字譜エディター『ソルベル』</source>
        <translation>二胡簡譜編輯器 Sorvel</translation>
    </message>
    <message>
        <source>Version 2.40</source>
        <translation>版本 2.40</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>このプログラムはフリーソフトウェアです。GNU 一般公衆利用許諾書（GPL）バージョン 3、またはそれ以降のバージョンの条件のもとで、再配布や改変ができます。保証は一切ありません。</source>
        <translation>本程式是自由軟體：您可以依照 GNU 通用公共授權條款（GPL）第 3 版或任何更新版本的條款再散布和修改它。本程式不提供任何擔保。</translation>
    </message>
    <message>
        <source>GNU 一般公衆利用許諾書</source>
        <translation>GNU 通用公共授權條款</translation>
    </message>
    <message>
        <source>ライセンス(&amp;L)...</source>
        <translation>授權條款(&amp;L)...</translation>
    </message>
</context>
<context>
    <name>sorvel::ToolPalette</name>
    <message>
        <source>メイン</source>
        <translation>基本</translation>
    </message>
    <message>
        <source>低</source>
        <translation>低</translation>
    </message>
    <message>
        <source>高</source>
        <translation>高</translation>
    </message>
    <message>
        <source>短</source>
        <translation>短</translation>
    </message>
    <message>
        <source>長</source>
        <translation>長</translation>
    </message>
    <message>
        <source>強弱記号</source>
        <translation>力度記號</translation>
    </message>
    <message>
        <source>分岐記号</source>
        <translation>反覆跳躍記號</translation>
    </message>
    <message>
        <source>奏法</source>
        <translation>演奏法</translation>
    </message>
    <message>
        <source>速度記号</source>
        <translation>速度記號</translation>
    </message>
    <message>
        <source>拍子記号</source>
        <translation>拍號</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>ツールなし (Esc)</source>
        <translation>不使用工具 (Esc)</translation>
    </message>
    <message>
        <source>予備です</source>
        <translation>預留</translation>
    </message>
    <message>
        <source>休符</source>
        <translation type="vanished">休止符</translation>
    </message>
    <message>
        <source>延長線</source>
        <translation type="vanished">增時線</translation>
    </message>
    <message>
        <source>付点</source>
        <translation type="vanished">附點</translation>
    </message>
    <message>
        <source>長休符（複数小節）</source>
        <translation type="vanished">多小節休止</translation>
    </message>
    <message>
        <source>開放弦</source>
        <translation type="vanished">空弦</translation>
    </message>
    <message>
        <source>小節線</source>
        <translation type="vanished">小節線</translation>
    </message>
    <message>
        <source>複縦線</source>
        <translation type="vanished">雙小節線</translation>
    </message>
    <message>
        <source>終止線</source>
        <translation type="vanished">終止線</translation>
    </message>
    <message>
        <source>反復記号（始め）</source>
        <translation type="vanished">反覆記號（開始）</translation>
    </message>
    <message>
        <source>反復記号（終わり）</source>
        <translation type="vanished">反覆記號（結束）</translation>
    </message>
    <message>
        <source>反復記号（両側）</source>
        <translation type="vanished">反覆記號（兩側）</translation>
    </message>
    <message>
        <source>ダウンボウ</source>
        <translation type="vanished">拉弓</translation>
    </message>
    <message>
        <source>アップボウ</source>
        <translation type="vanished">推弓</translation>
    </message>
    <message>
        <source>内弦</source>
        <translation type="vanished">內弦</translation>
    </message>
    <message>
        <source>外弦</source>
        <translation type="vanished">外弦</translation>
    </message>
    <message>
        <source>フラット</source>
        <translation type="vanished">降記號</translation>
    </message>
    <message>
        <source>ナチュラル</source>
        <translation type="vanished">還原記號</translation>
    </message>
    <message>
        <source>シャープ</source>
        <translation type="vanished">升記號</translation>
    </message>
    <message>
        <source>テキスト</source>
        <translation type="vanished">文字</translation>
    </message>
    <message>
        <source>ピアニッシッシモ（ppp）</source>
        <translation type="vanished">最弱</translation>
    </message>
    <message>
        <source>ピアニッシモ（pp）</source>
        <translation type="vanished">很弱</translation>
    </message>
    <message>
        <source>ピアノ（p）</source>
        <translation type="vanished">弱</translation>
    </message>
    <message>
        <source>メゾピアノ（mp）</source>
        <translation type="vanished">中弱</translation>
    </message>
    <message>
        <source>メゾフォルテ（mf）</source>
        <translation type="vanished">中強</translation>
    </message>
    <message>
        <source>フォルテ（f）</source>
        <translation type="vanished">強</translation>
    </message>
    <message>
        <source>フォルティッシモ（ff）</source>
        <translation type="vanished">很強</translation>
    </message>
    <message>
        <source>フォルティッシッシモ（fff）</source>
        <translation type="vanished">最強</translation>
    </message>
    <message>
        <source>スフォルツァンド（sf）</source>
        <translation type="vanished">突強</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation type="vanished">漸強</translation>
    </message>
    <message>
        <source>デクレッシェンド</source>
        <translation type="vanished">漸弱</translation>
    </message>
    <message>
        <source>フィーネ（Fine）</source>
        <translation type="vanished">結束記號</translation>
    </message>
    <message>
        <source>セーニョ</source>
        <translation type="vanished">記號（D.S. 返回處）</translation>
    </message>
    <message>
        <source>ダル・セーニョ（D.S.）</source>
        <translation type="vanished">從記號處反覆（D.S.）</translation>
    </message>
    <message>
        <source>コーダ</source>
        <translation type="vanished">尾聲記號</translation>
    </message>
    <message>
        <source>ダ・カーポ（D.C.）</source>
        <translation type="vanished">從頭反覆（D.C.）</translation>
    </message>
    <message>
        <source>ハーモニクス</source>
        <translation type="vanished">泛音</translation>
    </message>
    <message>
        <source>下方モルデント</source>
        <translation type="vanished">下波音</translation>
    </message>
    <message>
        <source>左手ピチカート</source>
        <translation type="vanished">左手撥弦</translation>
    </message>
    <message>
        <source>スタッカート</source>
        <translation type="vanished">頓音</translation>
    </message>
    <message>
        <source>トリル</source>
        <translation type="vanished">顫音</translation>
    </message>
    <message>
        <source>トリル（波線つき）</source>
        <translation type="vanished">顫音（帶波浪線）</translation>
    </message>
    <message>
        <source>上方モルデント</source>
        <translation type="vanished">上波音</translation>
    </message>
    <message>
        <source>ターン</source>
        <translation type="vanished">回音</translation>
    </message>
    <message>
        <source>逆ターン</source>
        <translation type="vanished">逆回音</translation>
    </message>
    <message>
        <source>ビブラート</source>
        <translation type="vanished">揉弦</translation>
    </message>
    <message>
        <source>アクセント</source>
        <translation type="vanished">重音</translation>
    </message>
    <message>
        <source>スタッカーティッシモ</source>
        <translation type="vanished">短頓音</translation>
    </message>
    <message>
        <source>トレモロ</source>
        <translation type="vanished">顫弓</translation>
    </message>
    <message>
        <source>ブレス</source>
        <translation type="vanished">換氣記號</translation>
    </message>
    <message>
        <source>上行スライド</source>
        <translation type="vanished">上滑音</translation>
    </message>
    <message>
        <source>下行スライド</source>
        <translation type="vanished">下滑音</translation>
    </message>
    <message>
        <source>長い上行スライド</source>
        <translation type="vanished">長上滑音</translation>
    </message>
    <message>
        <source>長い下行スライド</source>
        <translation type="vanished">長下滑音</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation type="vanished">圓滑線</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation type="vanished">三連音</translation>
    </message>
    <message>
        <source>前打音</source>
        <translation type="vanished">前倚音</translation>
    </message>
    <message>
        <source>後打音</source>
        <translation type="vanished">後倚音</translation>
    </message>
    <message>
        <source>連音の弧線</source>
        <translation type="vanished">連音弧線</translation>
    </message>
    <message>
        <source>リタルダンド（rit.）</source>
        <translation type="vanished">漸慢</translation>
    </message>
    <message>
        <source>アッチェレランド（accel.）</source>
        <translation type="vanished">漸快</translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation type="vanished">速度</translation>
    </message>
    <message>
        <source>1オクターブ下げる</source>
        <translation type="vanished">降低八度</translation>
    </message>
    <message>
        <source>1オクターブ上げる</source>
        <translation type="vanished">升高八度</translation>
    </message>
    <message>
        <source>音を短く</source>
        <translation type="vanished">縮短時值</translation>
    </message>
    <message>
        <source>音を長く</source>
        <translation type="vanished">延長時值</translation>
    </message>
    <message>
        <source>音符 %1</source>
        <translation type="vanished">音符 %1</translation>
    </message>
    <message>
        <source>指番号 %1</source>
        <translation type="vanished">指法 %1</translation>
    </message>
    <message>
        <source>%1番かっこ</source>
        <translation type="vanished">第 %1 反覆結尾</translation>
    </message>
    <message>
        <source>%1 拍子</source>
        <translation type="vanished">%1 拍</translation>
    </message>
</context>
<context>
    <name>sorvel::TranscribeCommands</name>
    <message>
        <source>録音を聞き取っています…</source>
        <translation>正在辨識錄音…</translation>
    </message>
    <message>
        <source>録音</source>
        <translation>錄音</translation>
    </message>
    <message>
        <source>確かめたい音を %1 ページで選択してあります。</source>
        <translation>需要確認的音已在第 %1 頁選取。</translation>
    </message>
    <message>
        <source>ほかに確かめたい音のあるページ: %1</source>
        <translation>其他有需要確認的音的頁：%1</translation>
    </message>
</context>
<context>
    <name>sorvel::app</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>楽譜ファイルではありません（1 行目が楽譜のヘッダーではありません）。</source>
        <translation>不是樂譜檔案（第 1 行不是樂譜檔頭）。</translation>
    </message>
    <message>
        <source>ブックにページ %1 はありません（%2 ページまでです）。</source>
        <translation>曲集中沒有第 %1 頁（共 %2 頁）。</translation>
    </message>
    <message>
        <source>楽譜を開くときと同じように読み込み、保存するときと同じように書き出します。</source>
        <translation>依開啟時的方式讀取樂譜，並依儲存時的方式寫出。</translation>
    </message>
    <message>
        <source>ページ N（既定は 1）を PNG 画像に書き出します。1 ページ単位が 1 ピクセルです。</source>
        <translation>將第 N 頁（預設為 1）匯出為 PNG 圖片，每個頁面單位為 1 像素。</translation>
    </message>
    <message>
        <source>ページ N（既定は 1）をビットマップ（BMP）画像に書き出します。</source>
        <translation>將第 N 頁（預設為 1）匯出為點陣圖（BMP）圖片。</translation>
    </message>
    <message>
        <source>ブックの全ページを、1 ページずつ PDF に書き出します。</source>
        <translation>將曲集的所有頁面匯出為 PDF，每頁一面。</translation>
    </message>
    <message>
        <source>ページ N を含む曲を標準 MIDI ファイルに書き出します。</source>
        <translation>將包含第 N 頁的樂曲匯出為標準 MIDI 檔案。</translation>
    </message>
    <message>
        <source>ページ N を含む曲を内蔵シンセサイザーで演奏し、WAV（44.1 kHz、16 ビット、ステレオ）に書き出します。</source>
        <translation>用內建合成器播放包含第 N 頁的樂曲，並匯出為 WAV（44.1 kHz、16 位元、立體聲）。</translation>
    </message>
    <message>
        <source>五線譜（.musicxml、.xml、圧縮された .mxl）のパートを数字譜のブックにします。読み込んだものと省いたものを 1 行で知らせます。</source>
        <translation>將五線譜（.musicxml、.xml 或壓縮的 .mxl）的一個聲部轉換為簡譜曲集，並用一行說明讀入和省略的內容。</translation>
    </message>
    <message>
        <source>ブックを二胡の記号つきで MusicXML 4.0 に書き出します。</source>
        <translation>將曲集連同二胡記號匯出為 MusicXML 4.0。</translation>
    </message>
    <message>
        <source>弓で弾いた旋律の録音（WAV、FLAC、OGG、MP3）を数字譜のブックにします。調、拍子、小節線、音の長さ、スライド・ビブラート・トリルを聞き取り、音符の数、1＝、拍子、テンポ、確かめたい音を 1 行で知らせます。</source>
        <translation>把用弓拉奏的旋律錄音（WAV、FLAC、OGG、MP3）記成簡譜曲集。辨識調、拍號、小節線、時值以及滑音、揉弦和顫音，並用一行報告音符數、1＝、拍號、速度和需確認的音。</translation>
    </message>
    <message>
        <source>書き出すページ（1 から数えます）。演奏するコマンドでは、そのページを含む曲です。</source>
        <translation>要匯出的頁（從 1 開始計數）。對於播放的命令，指包含該頁的樂曲。</translation>
    </message>
    <message>
        <source>読み込むパート（1 から数えます）。既定は音符のある最初のパートです。</source>
        <translation>要讀入的聲部（從 1 開始計數）。預設為第一個有音符的聲部。</translation>
    </message>
    <message>
        <source>メトロノームの音を加えます。</source>
        <translation>加入節拍器的聲音。</translation>
    </message>
    <message>
        <source>二胡の記号（装飾音、トリル、スライド、ビブラート、強弱）をつけて演奏します。</source>
        <translation>按二胡記號（倚音、顫音、滑音、揉弦、力度）表情演奏。</translation>
    </message>
    <message>
        <source>録音のテンポ（1 分間の四分音符の数）。聞き取らずにこれを使います。</source>
        <translation>錄音的速度（每分鐘四分音符數），用它代替辨識出的速度。</translation>
    </message>
    <message>
        <source>録音の拍子（2/4、3/4、4/4、3/8、6/8）。</source>
        <translation>錄音的拍號（2/4、3/4、4/4、3/8、6/8）。</translation>
    </message>
    <message>
        <source>録音の調の主音（D、Bb、F# など）。</source>
        <translation>錄音所在調的主音（D、Bb、F# 等）。</translation>
    </message>
    <message>
        <source>この説明を表示して終了します。</source>
        <translation>顯示此說明並結束。</translation>
    </message>
    <message>
        <source>プログラムの名前とバージョンを表示して終了します。</source>
        <translation>顯示程式名稱和版本並結束。</translation>
    </message>
    <message>
        <source>これより後の引数はすべてファイル名です（- で始まるファイル名のため）。</source>
        <translation>其後的參數都是檔名（用於以 - 開頭的檔名）。</translation>
    </message>
    <message>
        <source>エディターが閉じられたか、コマンドが成功しました。</source>
        <translation>編輯器已關閉，或命令執行成功。</translation>
    </message>
    <message>
        <source>コマンドが失敗しました（読めない入力、書き込めない出力など）。エディターを開く画面がないときもこの値です。</source>
        <translation>命令失敗（無法讀取輸入、無法寫入輸出等）。沒有可開啟編輯器的顯示器時也傳回此值。</translation>
    </message>
    <message>
        <source>コマンドラインが誤っています（不明なオプション、足りない引数、誤った数）。</source>
        <translation>命令列有誤（未知選項、缺少參數、數字錯誤）。</translation>
    </message>
    <message>
        <source>バッチコマンドは一度に一つだけです（%1 と %2）。</source>
        <translation>一次只能執行一個批次命令（%1 和 %2）。</translation>
    </message>
    <message>
        <source>%1 というオプションはありません。sorvel --help を参照してください。</source>
        <translation>沒有 %1 這個選項。請參閱 sorvel --help。</translation>
    </message>
    <message>
        <source>%1 には値を指定してください。</source>
        <translation>%1 需要一個值。</translation>
    </message>
    <message>
        <source>%1 には 1 以上の数を指定してください。</source>
        <translation>%1 需要 1 或以上的數字。</translation>
    </message>
    <message>
        <source>%2 では %1 は使えません。</source>
        <translation>%2 不能使用 %1。</translation>
    </message>
    <message>
        <source>%1 には入力ファイルと出力ファイルが必要です。</source>
        <translation>%1 需要一個輸入檔案和一個輸出檔案。</translation>
    </message>
    <message>
        <source>%1 はバッチコマンドと一緒に使うオプションです。</source>
        <translation>%1 只能與批次命令一起使用。</translation>
    </message>
    <message>
        <source>警告: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>エディターを開く画面がありません（DISPLAY が設定されていません）。バッチコマンドは画面なしで使えます。sorvel --help を参照してください。</source>
        <translation>沒有可開啟編輯器的顯示器（未設定 DISPLAY）。批次命令不需顯示器即可使用，請參閱 sorvel --help。</translation>
    </message>
    <message>
        <source>使い方:</source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>ファイルを指定するとそのブックを開いてエディターを起動します。バッチコマンドは画面なしで動きます。</source>
        <translation>啟動編輯器；指定檔案時開啟該曲集。批次命令不需顯示器即可執行。</translation>
    </message>
    <message>
        <source>バッチコマンド:</source>
        <translation>批次命令：</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>選項：</translation>
    </message>
    <message>
        <source>終了ステータス:</source>
        <translation>結束狀態：</translation>
    </message>
    <message>
        <source>詳しくはマニュアル（man sorvel）を参照してください。</source>
        <translation>詳細資訊請參閱手冊（man sorvel）。</translation>
    </message>
    <message>
        <source>ライセンス GPLv3+: GNU GPL バージョン 3 またはそれ以降 &lt;https://gnu.org/licenses/gpl.html&gt;</source>
        <translation>授權條款 GPLv3+：GNU GPL 第 3 版或更新版本 &lt;https://gnu.org/licenses/gpl.html&gt;</translation>
    </message>
    <message>
        <source>これはフリーソフトウェアです。自由に変更し、再配布できます。</source>
        <translation>本軟體是自由軟體：您可以自由地修改和再散布它。</translation>
    </message>
    <message>
        <source>法律で認められる範囲で、保証は一切ありません。</source>
        <translation>在法律允許的範圍內，不提供任何擔保。</translation>
    </message>
    <message>
        <source>音楽フォントを読み込めませんでした。</source>
        <translation>無法載入音樂字型。</translation>
    </message>
    <message>
        <source>演奏が %1 時間以内に終わりませんでした。何も書き出していません。</source>
        <translation>演奏未在 %1 小時內結束，未寫出任何內容。</translation>
    </message>
    <message>
        <source>General MIDI の SoundFont がインストールされていません（fluid-soundfont-gm または timgm6mb-soundfont）。</source>
        <translation>未安裝 General MIDI 的 SoundFont（fluid-soundfont-gm 或 timgm6mb-soundfont）。</translation>
    </message>
    <message>
        <source>SoundFont を読み込めませんでした。</source>
        <translation>無法載入 SoundFont。</translation>
    </message>
    <message>
        <source>--tempo には 20 から 300 までの 1 分間の四分音符の数を指定してください（%1 ではなく）。</source>
        <translation>--tempo 需要每分鐘 20 到 300 個四分音符（而不是 %1）。</translation>
    </message>
    <message>
        <source>--meter には 2/4、3/4、4/4、3/8、6/8 のどれかを指定してください（%1 ではなく）。</source>
        <translation>--meter 需要 2/4、3/4、4/4、3/8 或 6/8（而不是 %1）。</translation>
    </message>
    <message>
        <source>--key には長調の主音（C、G、D、F、Bb、F# など）を指定してください（%1 ではなく）。</source>
        <translation>--key 需要大調的主音（C、G、D、F、Bb、F# 等；而不是 %1）。</translation>
    </message>
</context>
<context>
    <name>sorvel::base</name>
    <message>
        <source>%1、%2</source>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>sorvel::interchange</name>
    <message>
        <source>調号の変更（臨時記号で書きました）</source>
        <translation>調號變更（已用臨時記號表示）</translation>
    </message>
    <message>
        <source>装飾音の臨時記号</source>
        <translation>倚音的臨時記號</translation>
    </message>
    <message>
        <source>5つ目からの装飾音</source>
        <translation>第5個及以後的倚音</translation>
    </message>
    <message>
        <source>終わりのないスラー</source>
        <translation>沒有結束的圓滑線</translation>
    </message>
    <message>
        <source>3つ組にならない3連符の音</source>
        <translation type="vanished">不成三個一組的三連音音符</translation>
    </message>
    <message>
        <source>対応していない記号 %1</source>
        <translation>不支援的記號 %1</translation>
    </message>
    <message>
        <source>装飾音の記号 %1</source>
        <translation>倚音上的記號 %1</translation>
    </message>
    <message>
        <source>この形式にない拍子 %1</source>
        <translation>此格式不支援的拍號 %1</translation>
    </message>
    <message>
        <source>読み込まなかったものはありません。</source>
        <translation>所有內容皆已匯入。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>読み込まなかったもの: %1。</source>
        <translation>未匯入：%1。</translation>
    </message>
    <message>
        <source>MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6</source>
        <translation type="vanished">已匯入 MusicXML（聲部 %1/%2，%3 小節，%4 個音，%5 頁）。%6</translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため読み込めません。</source>
        <translation>檔案過大，無法讀取。</translation>
    </message>
    <message>
        <source>圧縮MusicXML（.mxl）の中に楽譜が見つかりません。</source>
        <translation>壓縮 MusicXML（.mxl）中找不到樂譜。</translation>
    </message>
    <message>
        <source>タイムワイズ形式のMusicXMLには対応していません。パートワイズ形式で保存し直してください。</source>
        <translation>不支援 timewise 格式的 MusicXML。請重新儲存為 partwise 格式。</translation>
    </message>
    <message>
        <source>MusicXMLの楽譜ではありません。</source>
        <translation>這不是 MusicXML 樂譜。</translation>
    </message>
    <message>
        <source>音符のあるパートがありません。</source>
        <translation>沒有包含音符的聲部。</translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation>找不到指定的檔案。</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>無法讀取檔案。</translation>
    </message>
    <message>
        <source>MusicXMLとして読み込めません（XMLの誤り: %1、%2 バイト目）。</source>
        <translation>無法作為 MusicXML 讀取（XML 錯誤：%1，第 %2 位元組）。</translation>
    </message>
    <message>
        <source>パート %1 はありません（この楽譜のパートは %2 個です）。</source>
        <translation>沒有聲部 %1（此樂譜共有 %2 個聲部）。</translation>
    </message>
    <message>
        <source>和音の音</source>
        <translation>和弦音</translation>
    </message>
    <message>
        <source>他の声部の音</source>
        <translation>多聲部中其他聲部的音</translation>
    </message>
    <message>
        <source>他の譜表の音</source>
        <translation>其他譜表上的音</translation>
    </message>
    <message>
        <source>他の譜表の記号</source>
        <translation>其他譜表上的記號</translation>
    </message>
    <message>
        <source>キュー音符</source>
        <translation>提示音符</translation>
    </message>
    <message>
        <source>打楽器の音</source>
        <translation>打擊樂器的音</translation>
    </message>
    <message>
        <source>3連符以外の連符</source>
        <translation type="vanished">三連音以外的連音</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>歌詞</source>
        <translation>歌詞</translation>
    </message>
    <message>
        <source>コードネーム</source>
        <translation>和弦記號</translation>
    </message>
    <message>
        <source>対応していない指番号</source>
        <translation>不支援的指法</translation>
    </message>
    <message>
        <source>対応していない弦の番号</source>
        <translation>不支援的弦號</translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの指番号</source>
        <translation>非拉弦樂器聲部的指法</translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの弦の番号</source>
        <translation>非拉弦樂器聲部的弦號</translation>
    </message>
    <message>
        <source>多すぎる装飾音</source>
        <translation>過多的倚音</translation>
    </message>
    <message>
        <source>付く音のない装飾音</source>
        <translation>沒有主音符的倚音</translation>
    </message>
    <message>
        <source>長すぎる音</source>
        <translation>過長的音</translation>
    </message>
    <message>
        <source>長さのない音</source>
        <translation>沒有時值的音</translation>
    </message>
    <message>
        <source>重なった音</source>
        <translation>重疊的音</translation>
    </message>
    <message>
        <source>読めない音の高さ</source>
        <translation>無法識別的音高</translation>
    </message>
    <message>
        <source>上限を超えた小節</source>
        <translation>超出上限的小節</translation>
    </message>
    <message>
        <source>その他の記号</source>
        <translation>其他記號</translation>
    </message>
    <message>
        <source>MusicXMLを書き込めません。</source>
        <translation>無法寫入 MusicXML。</translation>
    </message>
    <message>
        <source>調号の変更（新しいページにしました）</source>
        <translation>調號變更（已另起新頁）</translation>
    </message>
    <message>
        <source>%1連符の括弧</source>
        <translation>%1連音的括線</translation>
    </message>
    <message>
        <source>%1連符（3連符の括弧で書きました）</source>
        <translation>%1連音（已用三連音括線表示）</translation>
    </message>
    <message>
        <source>書き換えたもの: %1。</source>
        <translation>改寫：%1。</translation>
    </message>
    <message>
        <source>MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6%7</source>
        <translation>已匯入 MusicXML（聲部 %1/%2，%3 小節，%4 個音，%5 頁）。%6%7</translation>
    </message>
    <message>
        <source>D.S.・D.C.で戻る部分（繰り返しを除いて書き出しました）</source>
        <translation>D.S.・D.C. 返回的段落（已去除反覆並展開寫出）</translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません。</source>
        <translation>不是一般檔案，無法讀取。</translation>
    </message>
    <message>
        <source>MusicXMLに書けない文字を%1個省きました。</source>
        <translation>已省略 %1 個無法寫入 MusicXML 的字元。</translation>
    </message>
</context>
<context>
    <name>sorvel::listen</name>
    <message>
        <source>音声ファイル %1 を読めません（%2）。</source>
        <translation>無法讀取音訊檔 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 は音声ファイルではありません。</source>
        <translation>%1 不是音訊檔。</translation>
    </message>
    <message>
        <source>%1 は読める音声ファイルではありません（%2）。</source>
        <translation>%1 不是可讀取的音訊檔（%2）。</translation>
    </message>
    <message>
        <source>録音に音声が入っていません。</source>
        <translation>錄音中沒有聲音。</translation>
    </message>
    <message>
        <source>録音が短すぎます（%1 秒）。</source>
        <translation>錄音太短（%1 秒）。</translation>
    </message>
    <message>
        <source>録音は無音です。</source>
        <translation>錄音是靜音的。</translation>
    </message>
    <message>
        <source>録音の音が小さすぎます（最大 %1 dB）。録音レベルを上げてください。</source>
        <translation>錄音音量太小（最大 %1 dB）。請提高錄音音量。</translation>
    </message>
    <message>
        <source>録音が音割れしています（%1 サンプル）。音の高さを誤ることがあります。</source>
        <translation>錄音有削波失真（%1 個取樣）。音高可能辨識有誤。</translation>
    </message>
    <message>
        <source>聞き取りを中止しました。</source>
        <translation>已中止辨識。</translation>
    </message>
    <message>
        <source>録音から音符を聞き取れませんでした。</source>
        <translation>未能從錄音中辨識出音符。</translation>
    </message>
    <message>
        <source>譜にするのを中止しました。</source>
        <translation>已中止記譜。</translation>
    </message>
    <message>
        <source>録音の %1 サンプルが音割れしています。</source>
        <translation>錄音中有 %1 個取樣削波失真。</translation>
    </message>
    <message>
        <source>録音の音量が小さすぎます。</source>
        <translation>錄音音量太小。</translation>
    </message>
    <message>
        <source>録音を譜にしました（音符 %1、1＝%2、%3 拍子、♩＝%4、確かめたい音 %5）。%6</source>
        <translation>已將錄音記成譜（音符 %1，1＝%2，%3 拍，♩＝%4，需確認的音 %5）。%6</translation>
    </message>
</context>
<context>
    <name>sorvel::manpage</name>
    <message>
        <source>設定ファイル：オプション、最近使ったファイル、演奏の設定、インターフェースの言語（[Editor] の Language）。XDG_CONFIG_HOME が設定されていれば $XDG_CONFIG_HOME/sorvel/sorvelini です。インストールせず、書き込めるフォルダーから起動したプログラムは、実行ファイルの隣の sorvelini を使います。</source>
        <translation>設定檔：選項、最近使用的檔案、播放設定和介面語言（[Editor] 中的 Language）。設定了 XDG_CONFIG_HOME 時為 $XDG_CONFIG_HOME/sorvel/sorvelini。未安裝、從可寫入的資料夾啟動的程式使用執行檔旁的 sorvelini。</translation>
    </message>
    <message>
        <source>保存していない変更のあるブックの復元用コピー。次に起動したときに復元を提案します。XDG_STATE_HOME が設定されていれば $XDG_STATE_HOME/sorvel/recovery/ です。</source>
        <translation>有未儲存變更的曲集的復原副本，下次啟動時提示復原。設定了 XDG_STATE_HOME 時為 $XDG_STATE_HOME/sorvel/recovery/。</translation>
    </message>
    <message>
        <source>操作説明（ヘルプメニューが開くものと同じページ）。</source>
        <translation>使用說明（與說明選單開啟的頁面相同）。</translation>
    </message>
    <message>
        <source>--render-wav が使う SoundFont（.sf2）ファイル。設定されていなければ General MIDI の SoundFont（fluid-soundfont-gm、なければ timgm6mb-soundfont）です。</source>
        <translation>--render-wav 使用的 SoundFont（.sf2）檔案。未設定時使用 General MIDI 的 SoundFont（fluid-soundfont-gm，沒有時為 timgm6mb-soundfont）。</translation>
    </message>
    <message>
        <source>設定ファイルの言語が「自動」（既定）のとき、インターフェース、バッチコマンドのメッセージと --help の言語を決めます。LC_ALL、LC_MESSAGES、LANG のうち最初に設定されているもののロケールで、C と POSIX 以外では LANGUAGE の最初の言語が優先します。日本語、中国語（台湾・香港・マカオは繁体字、ほかは簡体字）、それ以外はすべて英語になります。</source>
        <translation>設定檔中的語言為「自動」（預設）時，由這些變數決定介面、批次命令訊息和 --help 的語言：取 LC_ALL、LC_MESSAGES、LANG 中第一個已設定者的地區設定；除 C 和 POSIX 外，LANGUAGE 的第一個語言優先。日語和中文（台灣、香港、澳門為繁體，其他為簡體）依該語言顯示，其他語言一律為英語。</translation>
    </message>
    <message>
        <source>エディターを開く画面。どちらも（QT_QPA_PLATFORM も）設定されていなければ、エディターを開かずに 1 行のメッセージを出し、終了ステータス 1 で終わります。バッチコマンドは画面を使いません。</source>
        <translation>編輯器所用的顯示器。兩者（以及 QT_QPA_PLATFORM）都未設定時，不開啟編輯器，輸出一行訊息並以結束狀態 1 結束。批次命令不使用顯示器。</translation>
    </message>
    <message>
        <source>ユーザーコマンド</source>
        <translation>使用者命令</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>二胡の数字譜（簡譜）を書き、印刷し、演奏する楽譜エディター</source>
        <translation>編寫、列印和播放二胡簡譜的樂譜編輯器</translation>
    </message>
    <message>
        <source>書式</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>ソルベルは二胡奏者のための楽譜エディターです。数字譜（簡譜）に、弓の向き、内弦と外弦、指番号、滑音や装飾音など二胡の記号を書き込みます。一冊の曲集を一つの .svl ファイルに収めます。</source>
        <translation>Sorvel 是為二胡演奏者設計的樂譜編輯器。用簡譜記譜，並可標註二胡專用記號：弓法、內外弦、指法、滑音和裝飾音。一整本曲集保存在一個 .svl 檔案中。</translation>
    </message>
    <message>
        <source>バッチコマンドを指定しなければエディターを開きます。FILE.svl を指定するとそのブックを開きます。バッチコマンドは画面なしで動き、一つのファイルを読んで一つのファイルを書きます。失敗したときは標準エラーに 1 行のメッセージを出し、0 以外の終了ステータスで終わり、出力ファイルを残しません。</source>
        <translation>不指定批次命令時開啟編輯器；指定 FILE.svl 時開啟該曲集。批次命令不需顯示器即可執行，讀取一個檔案並寫出一個檔案。失敗時在標準錯誤輸出一行訊息，以非 0 的結束狀態結束，且不留下輸出檔案。</translation>
    </message>
    <message>
        <source>バッチコマンド</source>
        <translation>批次命令</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>環境変数</source>
        <translation>環境變數</translation>
    </message>
    <message>
        <source>終了ステータス</source>
        <translation>結束狀態</translation>
    </message>
    <message>
        <source>著作権</source>
        <translation>版權</translation>
    </message>
</context>
<context>
    <name>sorvel::model</name>
    <message>
        <source>%1ページ目の記号が多すぎます。１ページに置ける記号は%2個までです。</source>
        <translation>第 %1 頁的符號過多。每頁最多可放置 %2 個符號。</translation>
    </message>
    <message>
        <source>楽譜全体の記号とページが多すぎます。記号とページは合わせて%1個までです。</source>
        <translation>整個樂譜中的符號和頁面過多。符號和頁面合計最多 %1 個。</translation>
    </message>
    <message>
        <source>%1ページ目に、結び付いた記号が多すぎる記号があります。１つの記号に結び付けられる記号は%2個までです。</source>
        <translation>第 %1 頁中有符號關聯了過多的符號。一個符號最多可關聯 %2 個符號。</translation>
    </message>
    <message>
        <source>テキストの行が多すぎます。テキストは楽譜全体で%1行までです。</source>
        <translation>文字行數過多。整個樂譜的文字最多 %1 行。</translation>
    </message>
    <message>
        <source>楽譜データが大きすぎます。保存できる楽譜データは%1MBまでです。</source>
        <translation>樂譜資料過大。可儲存的樂譜資料最大為 %1 MB。</translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation>找不到指定的檔案。</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>無法讀取檔案。</translation>
    </message>
    <message>
        <source>楽譜データが壊れているため読み込めません。</source>
        <translation>樂譜資料已損毀，無法讀取。</translation>
    </message>
    <message>
        <source>楽譜データが大きすぎるため読み込めません。</source>
        <translation>樂譜資料過大，無法讀取。</translation>
    </message>
    <message>
        <source>「%1」に保存できません。</source>
        <translation>無法儲存到「%1」。</translation>
    </message>
    <message>
        <source>「%1」は、読み込んだ後にほかのプログラムで変更されています。
上書き保存すると、その変更は失われます。上書きしますか？</source>
        <translation>「%1」在讀入後已被其他程式修改。
儲存將覆寫這些變更。是否覆寫？</translation>
    </message>
    <message>
        <source>このプロパティは有りません  %1</source>
        <translation>沒有此屬性：%1</translation>
    </message>
    <message>
        <source>このプロパティの型は現在使用できません</source>
        <translation>此屬性的類型目前無法使用</translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません。</source>
        <translation>不是一般檔案，無法讀取。</translation>
    </message>
</context>
<context>
    <name>sorvel::playback</name>
    <message>
        <source>コーダーに対応するコーダーが存在しません</source>
        <translation>缺少與 Coda 記號對應的 Coda 記號</translation>
    </message>
    <message>
        <source>１の括弧がありません。あるいは、リピートエンドの直後に１括弧が指定されています</source>
        <translation>缺少第 1 反覆結尾；或者第 1 反覆結尾緊接在反覆結束記號之後</translation>
    </message>
    <message>
        <source>楽譜の繰り返しが終わらないため、繰り返しが閉じるところで演奏を止めます。</source>
        <translation>樂譜的反覆不會結束，演奏在反覆結束處停止。</translation>
    </message>
</context>
<context>
    <name>sorvel::print</name>
    <message>
        <source>ページを %1 にできませんでした。</source>
        <translation>無法將頁面轉換為 %1。</translation>
    </message>
    <message>
        <source>ブックにページがありません。</source>
        <translation>曲集中沒有頁面。</translation>
    </message>
    <message>
        <source>PDF を書き始められませんでした。</source>
        <translation>無法開始寫入 PDF。</translation>
    </message>
    <message>
        <source>PDF の作成を取り消しました。</source>
        <translation>已取消建立 PDF。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
</TS>
