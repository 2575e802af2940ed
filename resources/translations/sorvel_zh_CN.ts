<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="ja">
<context>
    <name>BookNames</name>
    <message>
        <source>無題</source>
        <translation>无标题</translation>
    </message>
    <message>
        <source> - 二胡専用数字譜エディター『ソルベル』</source>
        <translation> - 二胡简谱编辑器 Sorvel</translation>
    </message>
</context>
<context>
    <name>BookPrinter</name>
    <message>
        <source>印刷するページがありません。</source>
        <translation>没有可打印的页面。</translation>
    </message>
    <message>
        <source>印刷を開始できませんでした。</source>
        <translation>无法开始打印。</translation>
    </message>
    <message>
        <source>
ファイル: %1</source>
        <translation>
文件：%1</translation>
    </message>
    <message>
        <source>印刷中にエラーが発生しました。</source>
        <translation>打印时发生错误。</translation>
    </message>
    <message>
        <source>二胡数字譜</source>
        <translation>二胡简谱</translation>
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
        <translation>暗红色</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>オリーブ</source>
        <translation>橄榄色</translation>
    </message>
    <message>
        <source>紺</source>
        <translation>藏青色</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>青緑</source>
        <translation>蓝绿色</translation>
    </message>
    <message>
        <source>灰色</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>銀色</source>
        <translation>银色</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>ライム</source>
        <translation>黄绿色</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>青</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>マゼンタ</source>
        <translation>洋红色</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>浅蓝色</translation>
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
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>曲に音符や小節線が無いため、シフトできません。</source>
        <translation>乐曲中没有音符或小节线，无法移动。</translation>
    </message>
    <message>
        <source>グリッドの大きさが正しくないため、シフトできません。</source>
        <translation>网格大小不正确，无法移动。</translation>
    </message>
    <message>
        <source>小節の幅が無いため、音長を自動セットできません。小節線の位置を確かめてください。</source>
        <translation>小节没有宽度，无法自动设置时值。请检查小节线的位置。</translation>
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
        <translation>文件内容已更改。是否保存更改？</translation>
    </message>
</context>
<context>
    <name>FileAssociation</name>
    <message>
        <source>この場所のプログラムは登録できません: %1</source>
        <translation>无法注册此位置的程序：%1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>ソルベル数字譜ファイル(*.svl);;すべてのファイル(*.*)</source>
        <translation>Sorvel 简谱文件(*.svl);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>ソルベルスコアーデータ(*.svl);;すべてのファイル(*.*)</source>
        <translation>Sorvel 乐谱数据(*.svl);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml *.xml *.mxl);;すべてのファイル(*.*)</source>
        <translation>MusicXML(*.musicxml *.xml *.mxl);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>MusicXML(*.musicxml);;すべてのファイル(*.*)</source>
        <translation>MusicXML(*.musicxml);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>ビットマップ(*.bmp);;全てのファイル(*.*)</source>
        <translation>BMP 图片(*.bmp);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>PDF(*.pdf);;全てのファイル(*.*)</source>
        <translation>PDF(*.pdf);;所有文件(*.*)</translation>
    </message>
    <message>
        <source>録音(*.wav *.flac *.ogg *.mp3);;すべてのファイル(*.*)</source>
        <translation>录音(*.wav *.flac *.ogg *.mp3);;所有文件(*.*)</translation>
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
        <translation>无法在浏览器中显示帮助。
帮助目录是以下文件，请用您的浏览器打开。
%1</translation>
    </message>
    <message>
        <source>ヘルプのページがプログラムに含まれていません。</source>
        <translation>程序中不包含帮助页面。</translation>
    </message>
    <message>
        <source>ヘルプのページを読み込めません。
%1</source>
        <translation>无法读取帮助页面。
%1</translation>
    </message>
    <message>
        <source>ヘルプのページを書き込めません。
%1</source>
        <translation>无法写入帮助页面。
%1</translation>
    </message>
    <message>
        <source>ヘルプを置くフォルダーが見つかりません。</source>
        <translation>找不到存放帮助的文件夹。</translation>
    </message>
</context>
<context>
    <name>ItemDialogs</name>
    <message>
        <source>小節数は、1 から 999 の数値を指定してください。</source>
        <translation>小节数应为 1 到 999 之间的数值。</translation>
    </message>
    <message>
        <source>テンポは、10 から %1 の数値を指定してください。</source>
        <translation>速度应为 10 到 %1 之间的数值。</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>ﾌﾞｯｸ新規作成(&amp;N)</source>
        <translation>新建曲集(&amp;N)</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成(&amp;M)</source>
        <translation>新建页面(&amp;M)</translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation>在前面插入页面(&amp;F)</translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation>在后面插入页面(&amp;B)</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>開き直す(&amp;R)</source>
        <translation>重新打开(&amp;R)</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>ビットマップで保存(&amp;I)...</source>
        <translation>保存为图片(&amp;I)...</translation>
    </message>
    <message>
        <source>PDFで保存(&amp;D)...</source>
        <translation>保存为 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>MusicXMLを読み込む(&amp;L)...</source>
        <translation>导入 MusicXML(&amp;L)...</translation>
    </message>
    <message>
        <source>MusicXMLで保存(&amp;E)...</source>
        <translation>导出 MusicXML(&amp;E)...</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀｰ設定(&amp;U)...</source>
        <translation>打印机设置(&amp;U)...</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)...</source>
        <translation>打印预览(&amp;V)...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>削除(&amp;D)</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>同じ種類の記号選択(&amp;S)</source>
        <translation>选择同类符号(&amp;S)</translation>
    </message>
    <message>
        <source>上下位置合わせ(&amp;V)</source>
        <translation>上下对齐(&amp;V)</translation>
    </message>
    <message>
        <source>音長自動セット(&amp;L)</source>
        <translation>自动设置时值(&amp;L)</translation>
    </message>
    <message>
        <source>挿入（右ｼﾌﾄ）(&amp;M)...</source>
        <translation>插入（右移）(&amp;M)...</translation>
    </message>
    <message>
        <source>削除（左ｼﾌﾄ）(&amp;H)...</source>
        <translation>删除（左移）(&amp;H)...</translation>
    </message>
    <message>
        <source>ﾂｰﾙ(&amp;T)</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>ｸﾞﾘｯﾄﾞｽﾅｯﾌﾟ(&amp;G)</source>
        <translation>吸附网格(&amp;G)</translation>
    </message>
    <message>
        <source>グリッドを表示する</source>
        <translation>显示网格</translation>
    </message>
    <message>
        <source>入力音符をモニターする(&amp;M)</source>
        <translation>监听输入的音符(&amp;M)</translation>
    </message>
    <message>
        <source>リズム入力(&amp;R)</source>
        <translation>节奏输入(&amp;R)</translation>
    </message>
    <message>
        <source>演奏(&amp;L)...</source>
        <translation>播放(&amp;L)...</translation>
    </message>
    <message>
        <source>ピアノ鍵盤(&amp;K)...</source>
        <translation>钢琴键盘(&amp;K)...</translation>
    </message>
    <message>
        <source>チューニング(&amp;T)...</source>
        <translation>定弦(&amp;T)...</translation>
    </message>
    <message>
        <source>ブック情報設定(&amp;B)...</source>
        <translation>曲集设置(&amp;B)...</translation>
    </message>
    <message>
        <source>ﾍﾟｰｼﾞ情報設定(&amp;P)...</source>
        <translation>页面设置(&amp;P)...</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>操作説明(&amp;H)...</source>
        <translation>使用说明(&amp;H)...</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>録音ファイルから採譜(&amp;T)...</source>
        <translation>从录音文件记谱(&amp;T)...</translation>
    </message>
    <message>
        <source>録音して採譜(&amp;R)...</source>
        <translation>录音并记谱(&amp;C)...</translation>
    </message>
</context>
<context>
    <name>NewBookDialog</name>
    <message>
        <source>ブック新規作成</source>
        <translation>新建曲集</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation>作曲</translation>
    </message>
    <message>
        <source>調</source>
        <translation>调</translation>
    </message>
    <message>
        <source>拍子</source>
        <translation>拍号</translation>
    </message>
    <message>
        <source>♩＝</source>
        <translation>♩＝</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>无</translation>
    </message>
    <message>
        <source>ページ数</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>OK で、1 ページ目の最初の小節から音符を入力できます。</source>
        <translation>点击“确定”后，即可从第 1 页的第一小节开始输入音符。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>首页(&amp;F)</translation>
    </message>
    <message>
        <source>前ﾍﾟｰｼﾞ(&amp;V)</source>
        <translation>上一页(&amp;V)</translation>
    </message>
    <message>
        <source>次ﾍﾟｰｼﾞ(&amp;N)</source>
        <translation>下一页(&amp;N)</translation>
    </message>
    <message>
        <source>最後のﾍﾟｰｼﾞ(&amp;L)</source>
        <translation>末页(&amp;L)</translation>
    </message>
    <message>
        <source>目次...(&amp;T)</source>
        <translation>目录(&amp;T)...</translation>
    </message>
    <message>
        <source>前にﾍﾟｰｼﾞ挿入(&amp;F)</source>
        <translation>在前面插入页面(&amp;F)</translation>
    </message>
    <message>
        <source>後ろにﾍﾟｰｼﾞ挿入(&amp;B)</source>
        <translation>在后面插入页面(&amp;B)</translation>
    </message>
    <message>
        <source>ページ削除(&amp;D)</source>
        <translation>删除页面(&amp;D)</translation>
    </message>
    <message>
        <source>ページ移動...</source>
        <translation>移动页面...</translation>
    </message>
</context>
<context>
    <name>PaintBox</name>
    <message>
        <source>テキストボックスが重なっているため、ここには置けません。</source>
        <translation>与文本框重叠，无法放在此处。</translation>
    </message>
    <message>
        <source>この位置にある記号には置けません。</source>
        <translation>无法放在此位置的符号上。</translation>
    </message>
    <message>
        <source>この記号は音符の上に置いてください。</source>
        <translation>请将此符号放在音符上。</translation>
    </message>
    <message>
        <source>この記号は音符の上には置けません。</source>
        <translation>此符号不能放在音符上。</translation>
    </message>
    <message>
        <source>この記号は伸ばしの「－」には付けられません。</source>
        <translation>此符号不能加在增时线“－”上。</translation>
    </message>
    <message>
        <source>ページからはみ出すため、ここには貼り付けられません。</source>
        <translation>超出页面范围，无法粘贴到此处。</translation>
    </message>
    <message>
        <source>記号だけを貼り付けるときは、音符の上でクリックしてください。</source>
        <translation>只粘贴符号时，请在音符上单击。</translation>
    </message>
    <message>
        <source>この位置にある記号には貼り付けられません。</source>
        <translation>无法粘贴到此位置的符号上。</translation>
    </message>
    <message>
        <source>この記号は休符には付けられません。</source>
        <translation>此记号不能加在休止符上。</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>確認</source>
        <translation type="vanished">确认</translation>
    </message>
</context>
<context>
    <name>SettingsValues</name>
    <message>
        <source>%1は、1 から %2 の数値を指定してください。</source>
        <translation>%1应为 1 到 %2 之间的数值。</translation>
    </message>
    <message>
        <source>タイトル部分の高さ</source>
        <translation>标题区高度</translation>
    </message>
    <message>
        <source>余白（左）の巾</source>
        <translation>左边距</translation>
    </message>
    <message>
        <source>一段あたりの小節数</source>
        <translation>每行小节数</translation>
    </message>
    <message>
        <source>小節ごとの分割数</source>
        <translation>每小节分割数</translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation>每页行数</translation>
    </message>
    <message>
        <source>演奏速度は、1 から 300 の数値を指定してください。</source>
        <translation>速度应为 1 到 300 之间的数值。</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>字号</translation>
    </message>
    <message>
        <source>余白（上）の高さ</source>
        <translation>上边距</translation>
    </message>
    <message>
        <source>余白（下）の高さ</source>
        <translation>下边距</translation>
    </message>
    <message>
        <source>余白（右）の巾</source>
        <translation>右边距</translation>
    </message>
    <message>
        <source>楽譜再生音のベロシティー</source>
        <translation>乐谱播放音的力度（velocity）</translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation>节奏通道号</translation>
    </message>
    <message>
        <source>クリック音（強）のベロシティー</source>
        <translation>节拍声（强拍）的力度（velocity）</translation>
    </message>
    <message>
        <source>クリック音（弱）のベロシティー</source>
        <translation>节拍声（弱拍）的力度（velocity）</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>指法</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation>力度记号（ppp～fff）</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation>渐强</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation>圆滑线</translation>
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
        <translation>反复跳跃记号</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>弓法</translation>
    </message>
    <message>
        <source>弦</source>
        <translation>内外弦</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation>三连音</translation>
    </message>
    <message>
        <source>括弧</source>
        <translation>房子</translation>
    </message>
    <message>
        <source>27:High Q</source>
        <translation>27:高 Q</translation>
    </message>
    <message>
        <source>28:Slap</source>
        <translation>28:拍击声</translation>
    </message>
    <message>
        <source>29:Scratch Push</source>
        <translation>29:搓碟（推）</translation>
    </message>
    <message>
        <source>30:Scratch Pull</source>
        <translation>30:搓碟（拉）</translation>
    </message>
    <message>
        <source>31:Sticks</source>
        <translation>31:鼓棒</translation>
    </message>
    <message>
        <source>32:Square Click</source>
        <translation>32:方波咔嗒声</translation>
    </message>
    <message>
        <source>33:Metronome Click</source>
        <translation>33:节拍器咔嗒声</translation>
    </message>
    <message>
        <source>34:Metronome Bell</source>
        <translation>34:节拍器铃声</translation>
    </message>
    <message>
        <source>35:Acoustic Bass Drum</source>
        <translation>35:原声底鼓</translation>
    </message>
    <message>
        <source>36:Bass Drum 1</source>
        <translation>36:底鼓 1</translation>
    </message>
    <message>
        <source>37:Side Stick</source>
        <translation>37:鼓边敲击</translation>
    </message>
    <message>
        <source>38:Acoustic Snare</source>
        <translation>38:原声军鼓</translation>
    </message>
    <message>
        <source>39:Hand Clap</source>
        <translation>39:拍手</translation>
    </message>
    <message>
        <source>40:Electric Snare</source>
        <translation>40:电子军鼓</translation>
    </message>
    <message>
        <source>41:Low Floor Tom</source>
        <translation>41:低音落地嗵鼓</translation>
    </message>
    <message>
        <source>42:Closed Hi-Hat</source>
        <translation>42:闭合踩镲</translation>
    </message>
    <message>
        <source>43:High Floor Tom</source>
        <translation>43:高音落地嗵鼓</translation>
    </message>
    <message>
        <source>44:Pedal Hi-Hat</source>
        <translation>44:踏板踩镲</translation>
    </message>
    <message>
        <source>45:Low Tom</source>
        <translation>45:低音嗵鼓</translation>
    </message>
    <message>
        <source>46:Open Hi-Hat</source>
        <translation>46:开放踩镲</translation>
    </message>
    <message>
        <source>47:Low-Mid Tom</source>
        <translation>47:中低音嗵鼓</translation>
    </message>
    <message>
        <source>48:Hi-Mid Tom</source>
        <translation>48:中高音嗵鼓</translation>
    </message>
    <message>
        <source>49:Crash Cymbal 1</source>
        <translation>49:强音镲 1</translation>
    </message>
    <message>
        <source>50:High Tom</source>
        <translation>50:高音嗵鼓</translation>
    </message>
    <message>
        <source>51:Ride Cymbal 1</source>
        <translation>51:叮叮镲 1</translation>
    </message>
    <message>
        <source>52:Chinese Cymbal</source>
        <translation>52:中国镲</translation>
    </message>
    <message>
        <source>53:Ride Bell</source>
        <translation>53:叮叮镲镲帽</translation>
    </message>
    <message>
        <source>54:Tambourine</source>
        <translation>54:铃鼓</translation>
    </message>
    <message>
        <source>55:Splash Cymbal</source>
        <translation>55:溅镲</translation>
    </message>
    <message>
        <source>56:Cowbell</source>
        <translation>56:牛铃</translation>
    </message>
    <message>
        <source>57:Crash Cymbal 2</source>
        <translation>57:强音镲 2</translation>
    </message>
    <message>
        <source>58:Vibraslap</source>
        <translation>58:颤击器</translation>
    </message>
    <message>
        <source>59:Ride Cymbal 2</source>
        <translation>59:叮叮镲 2</translation>
    </message>
    <message>
        <source>60:Hi Bongo</source>
        <translation>60:高音邦戈鼓</translation>
    </message>
    <message>
        <source>61:Low Bongo</source>
        <translation>61:低音邦戈鼓</translation>
    </message>
    <message>
        <source>62:Mute Hi Conga</source>
        <translation>62:闷音高音康加鼓</translation>
    </message>
    <message>
        <source>63:Open Hi Conga</source>
        <translation>63:开放高音康加鼓</translation>
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
        <translation>67:高音阿哥哥铃</translation>
    </message>
    <message>
        <source>68:Low Agogo</source>
        <translation>68:低音阿哥哥铃</translation>
    </message>
    <message>
        <source>69:Cabasa</source>
        <translation>69:卡巴萨</translation>
    </message>
    <message>
        <source>70:Maracas</source>
        <translation>70:沙槌</translation>
    </message>
    <message>
        <source>71:Short Whistle</source>
        <translation>71:短哨</translation>
    </message>
    <message>
        <source>72:Long Whistle</source>
        <translation>72:长哨</translation>
    </message>
    <message>
        <source>73:Short Guiro</source>
        <translation>73:短刮瓜</translation>
    </message>
    <message>
        <source>74:Long Guiro</source>
        <translation>74:长刮瓜</translation>
    </message>
    <message>
        <source>75:Claves</source>
        <translation>75:响棒</translation>
    </message>
    <message>
        <source>76:Hi Wood Block</source>
        <translation>76:高音木鱼</translation>
    </message>
    <message>
        <source>77:Low Wood Block</source>
        <translation>77:低音木鱼</translation>
    </message>
    <message>
        <source>78:Mute Cuica</source>
        <translation>78:闷音库伊卡鼓</translation>
    </message>
    <message>
        <source>79:Open Cuica</source>
        <translation>79:开放库伊卡鼓</translation>
    </message>
    <message>
        <source>80:Mute Triangle</source>
        <translation>80:闷音三角铁</translation>
    </message>
    <message>
        <source>81:Open Triangle</source>
        <translation>81:开放三角铁</translation>
    </message>
    <message>
        <source>82:Shaker</source>
        <translation>82:沙筒</translation>
    </message>
    <message>
        <source>83:Jingle Bell</source>
        <translation>83:串铃</translation>
    </message>
    <message>
        <source>84:Bell Tree</source>
        <translation>84:音树</translation>
    </message>
    <message>
        <source>85:Castanets</source>
        <translation>85:响板</translation>
    </message>
    <message>
        <source>86:Mute Surdo</source>
        <translation>86:闷音苏尔多鼓</translation>
    </message>
    <message>
        <source>87:Open Surdo</source>
        <translation>87:开放苏尔多鼓</translation>
    </message>
    <message>
        <source>88:Applause 2</source>
        <translation>88:掌声 2</translation>
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
        <translation>插入空白，并将其后的音符右移</translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation>插入数量</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>小節</source>
        <translation>小节</translation>
    </message>
    <message>
        <source>グリッド</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>按乐谱速度播放</translation>
    </message>
    <message>
        <source>速度：</source>
        <translation>速度：</translation>
    </message>
    <message>
        <source>演奏開始時クリック音</source>
        <translation>开始前预备拍</translation>
    </message>
    <message>
        <source>小節数：</source>
        <translation>小节数：</translation>
    </message>
    <message>
        <source>ﾘﾋﾟｰﾄ記号 D.C. D.S. を無視して演奏する</source>
        <translation>播放时忽略反复记号、D.C.、D.S.</translation>
    </message>
    <message>
        <source>演奏回数：</source>
        <translation>播放遍数：</translation>
    </message>
    <message>
        <source>繰返し時、開始クリック音を鳴らさない</source>
        <translation>重复时不播放预备拍</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>静音：</translation>
    </message>
    <message>
        <source>メトロノーム</source>
        <translation>节拍器</translation>
    </message>
    <message>
        <source>楽譜データ</source>
        <translation>旋律</translation>
    </message>
    <message>
        <source>PlayBias：</source>
        <translation>移调：</translation>
    </message>
    <message>
        <source>楽器：</source>
        <translation>乐器：</translation>
    </message>
    <message>
        <source>表情をつけて演奏する</source>
        <translation>带表情播放</translation>
    </message>
</context>
<context>
    <name>TfrmPreview</name>
    <message>
        <source>プレビュー</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>最初のページ(&amp;F)</source>
        <translation>首页(&amp;F)</translation>
    </message>
    <message>
        <source>前ページ(&amp;V)</source>
        <translation>上一页(&amp;V)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>次ページ(&amp;N)</source>
        <translation>下一页(&amp;N)</translation>
    </message>
    <message>
        <source>最後のページ(&amp;L)</source>
        <translation>末页(&amp;L)</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>缩放</translation>
    </message>
</context>
<context>
    <name>TfrmRecord</name>
    <message>
        <source>録音して採譜</source>
        <translation>录音并记谱</translation>
    </message>
    <message>
        <source>入力デバイス(&amp;D):</source>
        <translation>输入设备(&amp;D):</translation>
    </message>
    <message>
        <source>レベル:</source>
        <translation>电平:</translation>
    </message>
    <message>
        <source>テンポ(&amp;T):</source>
        <translation>速度(&amp;T):</translation>
    </message>
    <message>
        <source>カウントを入れる(&amp;C)</source>
        <translation>预备拍(&amp;C)</translation>
    </message>
    <message>
        <source>拍</source>
        <translation>拍</translation>
    </message>
    <message>
        <source>録音中にメトロノームを鳴らす(&amp;M)</source>
        <translation>录音时播放节拍器(&amp;M)</translation>
    </message>
    <message>
        <source>録音(&amp;R)</source>
        <translation>录音(&amp;R)</translation>
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
        <translation>输入小节数</translation>
    </message>
    <message>
        <source>小節数</source>
        <translation>小节数</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>曲集设置</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>作曲者</source>
        <translation>作曲</translation>
    </message>
    <message>
        <source>調</source>
        <translation>调</translation>
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
        <translation>字号</translation>
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
        <translation>标题区高度</translation>
    </message>
    <message>
        <source>余白（上）</source>
        <translation>上边距</translation>
    </message>
    <message>
        <source>余白（下）</source>
        <translation>下边距</translation>
    </message>
    <message>
        <source>余白（左）</source>
        <translation>左边距</translation>
    </message>
    <message>
        <source>余白（右）</source>
        <translation>右边距</translation>
    </message>
    <message>
        <source>１段あたりの小節数</source>
        <translation>每行小节数</translation>
    </message>
    <message>
        <source>１小節内の目盛り数</source>
        <translation>每小节刻度数</translation>
    </message>
    <message>
        <source>１ページの段数</source>
        <translation>每页行数</translation>
    </message>
    <message>
        <source>指番号も表示する</source>
        <translation>同时显示指法</translation>
    </message>
    <message>
        <source>指番号</source>
        <translation>指法</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）も表示する</source>
        <translation>同时显示力度记号（ppp～fff）</translation>
    </message>
    <message>
        <source>強弱記号（ppp～fff）</source>
        <translation>力度记号（ppp～fff）</translation>
    </message>
    <message>
        <source>クレッシェンドも表示する</source>
        <translation>同时显示渐强</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation>渐强</translation>
    </message>
    <message>
        <source>スラーも表示する</source>
        <translation>同时显示圆滑线</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation>圆滑线</translation>
    </message>
    <message>
        <source>装飾音も表示する</source>
        <translation>同时显示倚音</translation>
    </message>
    <message>
        <source>装飾音</source>
        <translation>倚音</translation>
    </message>
    <message>
        <source>演奏速度も表示する</source>
        <translation>同时显示速度</translation>
    </message>
    <message>
        <source>分岐も表示する</source>
        <translation>同时显示反复跳跃记号</translation>
    </message>
    <message>
        <source>分岐</source>
        <translation>反复跳跃记号</translation>
    </message>
    <message>
        <source>弓も表示する</source>
        <translation>同时显示弓法</translation>
    </message>
    <message>
        <source>弓</source>
        <translation>弓法</translation>
    </message>
    <message>
        <source>弦も表示する</source>
        <translation>同时显示内外弦</translation>
    </message>
    <message>
        <source>弦</source>
        <translation>内外弦</translation>
    </message>
    <message>
        <source>三連符も表示する</source>
        <translation>同时显示三连音</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation>三连音</translation>
    </message>
    <message>
        <source>括弧も表示する</source>
        <translation>同时显示房子</translation>
    </message>
    <message>
        <source>括弧</source>
        <translation>房子</translation>
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
        <translation>光标设置</translation>
    </message>
    <message>
        <source>カーソル右移動時に小節線をスキップする</source>
        <translation>光标右移时跳过小节线</translation>
    </message>
    <message>
        <source>ピアノ鍵盤</source>
        <translation>钢琴键盘</translation>
    </message>
    <message>
        <source>ピアノ鍵盤に音階名を表示する</source>
        <translation>在钢琴键盘上显示音名</translation>
    </message>
    <message>
        <source>マウス右ボタンクリックの動作</source>
        <translation>鼠标右键单击的操作</translation>
    </message>
    <message>
        <source>クリックされた鍵盤の音階を鳴らす</source>
        <translation>播放所单击琴键的音</translation>
    </message>
    <message>
        <source>音符入力用のカーソルをひとつ右に移動する</source>
        <translation>将音符输入光标右移一格</translation>
    </message>
    <message>
        <source>開放弦の指番号として使用する記号</source>
        <translation>空弦指法使用的符号</translation>
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
        <translation>文件关联</translation>
    </message>
    <message>
        <source>ソルベル数字譜ファイル（svl）の関連付けを登録します</source>
        <translation>注册 Sorvel 简谱文件（svl）的关联</translation>
    </message>
    <message>
        <source>関連付け登録</source>
        <translation>注册关联</translation>
    </message>
    <message>
        <source>関連付け登録解除</source>
        <translation>解除关联</translation>
    </message>
    <message>
        <source>楽譜の文字の色</source>
        <translation>乐谱文字颜色</translation>
    </message>
    <message>
        <source>グリッドの色</source>
        <translation>网格颜色</translation>
    </message>
    <message>
        <source>カーソル文字の色</source>
        <translation>光标文字颜色</translation>
    </message>
    <message>
        <source>ラバーバンドの色</source>
        <translation>选框颜色</translation>
    </message>
    <message>
        <source>演奏時カーソル</source>
        <translation>播放光标</translation>
    </message>
    <message>
        <source>色</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>太さ</source>
        <translation>粗细</translation>
    </message>
    <message>
        <source>表示モード</source>
        <translation>显示模式</translation>
    </message>
    <message>
        <source>上書表示</source>
        <translation>覆盖显示</translation>
    </message>
    <message>
        <source>反転表示</source>
        <translation>反色显示</translation>
    </message>
    <message>
        <source>出力デバイス</source>
        <translation>输出设备</translation>
    </message>
    <message>
        <source>クリック音設定</source>
        <translation>节拍声设置</translation>
    </message>
    <message>
        <source>リズムチャンネル番号</source>
        <translation>节奏通道号</translation>
    </message>
    <message>
        <source>強</source>
        <translation>强拍</translation>
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
        <translation>试听</translation>
    </message>
    <message>
        <source>押している間、クリック音を鳴らします</source>
        <translation>按住时播放节拍声</translation>
    </message>
    <message>
        <source>弱</source>
        <translation>弱拍</translation>
    </message>
    <message>
        <source>楽譜再生音設定</source>
        <translation>乐谱播放音设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>次回の起動時から有効になります。</source>
        <translation>下次启动时生效。</translation>
    </message>
    <message>
        <source>ブック新規作成で、タイトル・調・拍子などを最初に聞く</source>
        <translation>新建曲集时先询问标题、调、拍号等</translation>
    </message>
    <message>
        <source>リズム入力</source>
        <translation>节奏输入</translation>
    </message>
    <message>
        <source>オクターブを自動で決める</source>
        <translation>自动确定八度</translation>
    </message>
</context>
<context>
    <name>TfrmSetNote</name>
    <message>
        <source>音符設定</source>
        <translation>音符设置</translation>
    </message>
    <message>
        <source>臨時記号と付点は、ドラッグして位置を変えられます。</source>
        <translation>临时记号和附点可以拖动来调整位置。</translation>
    </message>
    <message>
        <source>この設定を今後の規定値とする</source>
        <translation>将此设置作为今后的默认值</translation>
    </message>
    <message>
        <source>この設定を全ての音符に適用する</source>
        <translation>将此设置应用于所有音符</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>输入速度</translation>
    </message>
    <message>
        <source>テンポ</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>単位</source>
        <translation>单位</translation>
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
        <translation>不打印</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>输入文本</translation>
    </message>
    <message>
        <source>フォント名</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>フォントサイズ</source>
        <translation>字号</translation>
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
        <translation>边框粗细</translation>
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
        <translation>框宽度</translation>
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
        <translation>确定</translation>
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
        <translation>倚音设置</translation>
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
        <translation>时值</translation>
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
        <translation>确定</translation>
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
        <translation>目录</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;曲&#x3000;&#x3000;名</source>
        <translation>&#x3000;&#x3000;曲&#x3000;&#x3000;名</translation>
    </message>
    <message>
        <source> 調</source>
        <translation> 调</translation>
    </message>
    <message>
        <source>&#x3000;作&#x3000;曲&#x3000;者</source>
        <translation>&#x3000;作&#x3000;曲&#x3000;者</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>页码</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>关闭</translation>
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
        <translation>内弦</translation>
    </message>
    <message>
        <source>外弦</source>
        <translation>外弦</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ToolBar</name>
    <message>
        <source>ﾍﾟｰｼﾞ新規作成</source>
        <translation>新建页面</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>カーソル表示</source>
        <translation>显示输入光标</translation>
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
由于之后又进行了其他更改，此更改未被撤销。</translation>
    </message>
</context>
<context>
    <name>sorvel::GeneralMidi</name>
    <message>
        <source>アコースティック・グランド・ピアノ</source>
        <translation>原声大钢琴</translation>
    </message>
    <message>
        <source>ブライト・アコースティック・ピアノ</source>
        <translation>明亮原声钢琴</translation>
    </message>
    <message>
        <source>エレクトリック・グランド・ピアノ</source>
        <translation>电子大钢琴</translation>
    </message>
    <message>
        <source>ホンキートンク・ピアノ</source>
        <translation>酒吧钢琴</translation>
    </message>
    <message>
        <source>エレクトリック・ピアノ1</source>
        <translation>电钢琴 1</translation>
    </message>
    <message>
        <source>エレクトリック・ピアノ2</source>
        <translation>电钢琴 2</translation>
    </message>
    <message>
        <source>ハープシコード</source>
        <translation>大键琴</translation>
    </message>
    <message>
        <source>クラビネット</source>
        <translation>击弦古钢琴</translation>
    </message>
    <message>
        <source>チェレスタ</source>
        <translation>钢片琴</translation>
    </message>
    <message>
        <source>グロッケンシュピール</source>
        <translation>钟琴</translation>
    </message>
    <message>
        <source>オルゴール</source>
        <translation>八音盒</translation>
    </message>
    <message>
        <source>ビブラフォン</source>
        <translation>颤音琴</translation>
    </message>
    <message>
        <source>マリンバ</source>
        <translation>马林巴</translation>
    </message>
    <message>
        <source>シロフォン</source>
        <translation>木琴</translation>
    </message>
    <message>
        <source>チューブラー・ベル</source>
        <translation>管钟</translation>
    </message>
    <message>
        <source>ダルシマー</source>
        <translation>扬琴</translation>
    </message>
    <message>
        <source>ドローバー・オルガン</source>
        <translation>拉杆风琴</translation>
    </message>
    <message>
        <source>パーカッシブ・オルガン</source>
        <translation>打击风琴</translation>
    </message>
    <message>
        <source>ロック・オルガン</source>
        <translation>摇滚风琴</translation>
    </message>
    <message>
        <source>チャーチ・オルガン</source>
        <translation>教堂管风琴</translation>
    </message>
    <message>
        <source>リード・オルガン</source>
        <translation>簧风琴</translation>
    </message>
    <message>
        <source>アコーディオン</source>
        <translation>手风琴</translation>
    </message>
    <message>
        <source>ハーモニカ</source>
        <translation>口琴</translation>
    </message>
    <message>
        <source>タンゴ・アコーディオン</source>
        <translation>探戈手风琴</translation>
    </message>
    <message>
        <source>アコースティック・ギター（ナイロン弦）</source>
        <translation>尼龙弦吉他</translation>
    </message>
    <message>
        <source>アコースティック・ギター（スチール弦）</source>
        <translation>钢弦吉他</translation>
    </message>
    <message>
        <source>ジャズ・ギター</source>
        <translation>爵士电吉他</translation>
    </message>
    <message>
        <source>クリーン・ギター</source>
        <translation>清音电吉他</translation>
    </message>
    <message>
        <source>ミュート・ギター</source>
        <translation>闷音电吉他</translation>
    </message>
    <message>
        <source>オーバードライブ・ギター</source>
        <translation>过载电吉他</translation>
    </message>
    <message>
        <source>ディストーション・ギター</source>
        <translation>失真电吉他</translation>
    </message>
    <message>
        <source>ギター・ハーモニクス</source>
        <translation>吉他泛音</translation>
    </message>
    <message>
        <source>アコースティック・ベース</source>
        <translation>原声贝斯</translation>
    </message>
    <message>
        <source>フィンガー・ベース</source>
        <translation>指弹电贝斯</translation>
    </message>
    <message>
        <source>ピック・ベース</source>
        <translation>拨片电贝斯</translation>
    </message>
    <message>
        <source>フレットレス・ベース</source>
        <translation>无品贝斯</translation>
    </message>
    <message>
        <source>スラップ・ベース1</source>
        <translation>击弦贝斯 1</translation>
    </message>
    <message>
        <source>スラップ・ベース2</source>
        <translation>击弦贝斯 2</translation>
    </message>
    <message>
        <source>シンセ・ベース1</source>
        <translation>合成贝斯 1</translation>
    </message>
    <message>
        <source>シンセ・ベース2</source>
        <translation>合成贝斯 2</translation>
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
        <translation>颤弓弦乐</translation>
    </message>
    <message>
        <source>ピチカート・ストリングス</source>
        <translation>弦乐拨弦</translation>
    </message>
    <message>
        <source>ハープ</source>
        <translation>竖琴</translation>
    </message>
    <message>
        <source>ティンパニ</source>
        <translation>定音鼓</translation>
    </message>
    <message>
        <source>ストリングス</source>
        <translation>弦乐合奏</translation>
    </message>
    <message>
        <source>スロー・ストリングス</source>
        <translation>慢速弦乐合奏</translation>
    </message>
    <message>
        <source>シンセ・ストリングス1</source>
        <translation>合成弦乐 1</translation>
    </message>
    <message>
        <source>シンセ・ストリングス2</source>
        <translation>合成弦乐 2</translation>
    </message>
    <message>
        <source>クワイア・アー</source>
        <translation>合唱“啊”</translation>
    </message>
    <message>
        <source>ボイス・ウー</source>
        <translation>人声“哦”</translation>
    </message>
    <message>
        <source>シンセ・ボイス</source>
        <translation>合成人声</translation>
    </message>
    <message>
        <source>オーケストラ・ヒット</source>
        <translation>管弦乐强奏</translation>
    </message>
    <message>
        <source>トランペット</source>
        <translation>小号</translation>
    </message>
    <message>
        <source>トロンボーン</source>
        <translation>长号</translation>
    </message>
    <message>
        <source>チューバ</source>
        <translation>大号</translation>
    </message>
    <message>
        <source>ミュート・トランペット</source>
        <translation>弱音小号</translation>
    </message>
    <message>
        <source>フレンチ・ホルン</source>
        <translation>圆号</translation>
    </message>
    <message>
        <source>ブラス・セクション</source>
        <translation>铜管组</translation>
    </message>
    <message>
        <source>シンセ・ブラス1</source>
        <translation>合成铜管 1</translation>
    </message>
    <message>
        <source>シンセ・ブラス2</source>
        <translation>合成铜管 2</translation>
    </message>
    <message>
        <source>ソプラノ・サックス</source>
        <translation>高音萨克斯</translation>
    </message>
    <message>
        <source>アルト・サックス</source>
        <translation>中音萨克斯</translation>
    </message>
    <message>
        <source>テナー・サックス</source>
        <translation>次中音萨克斯</translation>
    </message>
    <message>
        <source>バリトン・サックス</source>
        <translation>上低音萨克斯</translation>
    </message>
    <message>
        <source>オーボエ</source>
        <translation>双簧管</translation>
    </message>
    <message>
        <source>イングリッシュ・ホルン</source>
        <translation>英国管</translation>
    </message>
    <message>
        <source>ファゴット</source>
        <translation>大管</translation>
    </message>
    <message>
        <source>クラリネット</source>
        <translation>单簧管</translation>
    </message>
    <message>
        <source>ピッコロ</source>
        <translation>短笛</translation>
    </message>
    <message>
        <source>フルート</source>
        <translation>长笛</translation>
    </message>
    <message>
        <source>リコーダー</source>
        <translation>竖笛</translation>
    </message>
    <message>
        <source>パン・フルート</source>
        <translation>排箫</translation>
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
        <translation>锯齿波</translation>
    </message>
    <message>
        <source>カリオペ</source>
        <translation>汽笛风琴</translation>
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
        <translation>独唱人声</translation>
    </message>
    <message>
        <source>5度ノコギリ波</source>
        <translation>五度锯齿波</translation>
    </message>
    <message>
        <source>ベース＆リード</source>
        <translation>贝斯与主音</translation>
    </message>
    <message>
        <source>ファンタジア</source>
        <translation>幻想曲</translation>
    </message>
    <message>
        <source>ウォーム・パッド</source>
        <translation>温暖背景</translation>
    </message>
    <message>
        <source>ポリシンセ</source>
        <translation>复音合成</translation>
    </message>
    <message>
        <source>スペース・ボイス</source>
        <translation>太空人声</translation>
    </message>
    <message>
        <source>ボウド・グラス</source>
        <translation>弓擦玻璃</translation>
    </message>
    <message>
        <source>メタル・パッド</source>
        <translation>金属背景</translation>
    </message>
    <message>
        <source>ハロー・パッド</source>
        <translation>光环背景</translation>
    </message>
    <message>
        <source>スウィープ・パッド</source>
        <translation>扫频背景</translation>
    </message>
    <message>
        <source>アイス・レイン</source>
        <translation>冰雨</translation>
    </message>
    <message>
        <source>サウンドトラック</source>
        <translation>电影配乐</translation>
    </message>
    <message>
        <source>クリスタル</source>
        <translation>水晶</translation>
    </message>
    <message>
        <source>アトモスフィア</source>
        <translation>大气</translation>
    </message>
    <message>
        <source>ブライトネス</source>
        <translation>明亮</translation>
    </message>
    <message>
        <source>ゴブリン</source>
        <translation>精灵</translation>
    </message>
    <message>
        <source>エコー・ドロップス</source>
        <translation>回声水滴</translation>
    </message>
    <message>
        <source>スター・テーマ</source>
        <translation>星空主题</translation>
    </message>
    <message>
        <source>シタール</source>
        <translation>西塔琴</translation>
    </message>
    <message>
        <source>バンジョー</source>
        <translation>班卓琴</translation>
    </message>
    <message>
        <source>三味線</source>
        <translation>三味线</translation>
    </message>
    <message>
        <source>琴</source>
        <translation>日本筝</translation>
    </message>
    <message>
        <source>カリンバ</source>
        <translation>卡林巴琴</translation>
    </message>
    <message>
        <source>バグパイプ</source>
        <translation>风笛</translation>
    </message>
    <message>
        <source>フィドル</source>
        <translation>民间提琴</translation>
    </message>
    <message>
        <source>シャーナイ</source>
        <translation>唢呐</translation>
    </message>
    <message>
        <source>ティンクル・ベル</source>
        <translation>叮当铃</translation>
    </message>
    <message>
        <source>アゴゴ</source>
        <translation>阿哥哥铃</translation>
    </message>
    <message>
        <source>スチール・ドラム</source>
        <translation>钢鼓</translation>
    </message>
    <message>
        <source>ウッド・ブロック</source>
        <translation>木鱼</translation>
    </message>
    <message>
        <source>太鼓</source>
        <translation>太鼓</translation>
    </message>
    <message>
        <source>メロディック・タム</source>
        <translation>旋律嗵鼓</translation>
    </message>
    <message>
        <source>シンセ・ドラム</source>
        <translation>合成鼓</translation>
    </message>
    <message>
        <source>リバース・シンバル</source>
        <translation>反向镲</translation>
    </message>
    <message>
        <source>ギター・フレット・ノイズ</source>
        <translation>吉他擦弦噪声</translation>
    </message>
    <message>
        <source>ブレス・ノイズ</source>
        <translation>呼吸声</translation>
    </message>
    <message>
        <source>海岸</source>
        <translation>海浪</translation>
    </message>
    <message>
        <source>鳥のさえずり</source>
        <translation>鸟鸣</translation>
    </message>
    <message>
        <source>電話のベル</source>
        <translation>电话铃</translation>
    </message>
    <message>
        <source>ヘリコプター</source>
        <translation>直升机</translation>
    </message>
    <message>
        <source>拍手</source>
        <translation>鼓掌</translation>
    </message>
    <message>
        <source>銃声</source>
        <translation>枪声</translation>
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
        <translation>导入 MusicXML</translation>
    </message>
    <message>
        <source>この楽譜にはパートが %1 個あります。読み込むパートを選んでください:</source>
        <translation>此乐谱有 %1 个声部。请选择要导入的声部：</translation>
    </message>
    <message>
        <source>（名前なし）</source>
        <translation>（无名称）</translation>
    </message>
    <message>
        <source>（音符なし）</source>
        <translation>（无音符）</translation>
    </message>
    <message>
        <source>MusicXMLで保存しました: %1</source>
        <translation>已导出 MusicXML：%1</translation>
    </message>
</context>
<context>
    <name>sorvel::NewBookDialog</name>
    <message>
        <source>なし</source>
        <translation>无</translation>
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
        <translation>无法打开音频输出，播放和监听音不可用。</translation>
    </message>
</context>
<context>
    <name>sorvel::PrintCommands</name>
    <message>
        <source>PDFを作成しています...</source>
        <translation>正在生成 PDF...</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>PDFで保存</source>
        <translation>保存为 PDF</translation>
    </message>
    <message>
        <source>%1 に印刷しました。</source>
        <translation>已打印到 %1。</translation>
    </message>
    <message>
        <source>ビットマップファイルを保存できませんでした。
%1</source>
        <translation>无法保存图片文件。
%1</translation>
    </message>
    <message>
        <source>%1 に保存しました。</source>
        <translation>已保存到 %1。</translation>
    </message>
    <message>
        <source>PDFの保存を取り消しました。</source>
        <translation>已取消保存 PDF。</translation>
    </message>
    <message>
        <source>PDFファイルを保存できませんでした。
%1</source>
        <translation>无法保存 PDF 文件。
%1</translation>
    </message>
</context>
<context>
    <name>sorvel::RecoveryController</name>
    <message>
        <source>復元用のコピーを書き込めません（%1）。異常終了すると変更が失われます。こまめに保存してください。</source>
        <translation>无法写入恢复用副本（%1）。如果程序异常退出，更改将会丢失。请经常保存。</translation>
    </message>
    <message>
        <source>復元用のコピーを再び書き込めるようになりました。</source>
        <translation>已可以再次写入恢复用副本。</translation>
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
        <translation>上次退出时有未保存的更改。
是否恢复？

文件：%1
日期时间：%2

选择“否”将放弃这些更改。选择“稍后”将在下次启动时再次询问。</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>确认</translation>
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
        <translation>稍后(&amp;L)</translation>
    </message>
    <message>
        <source>前回の終了時の復元用のコピーを読み込めませんでした。</source>
        <translation>无法读取上次退出时的恢复用副本。</translation>
    </message>
    <message>
        <source>

コピーは次の名前で残してあります。次回からは確認しません。</source>
        <translation>

副本已按以下名称保留。以后不再询问。</translation>
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
        <translation>插入空白，并将其后的音符右移</translation>
    </message>
    <message>
        <source>挿入数</source>
        <translation>插入数量</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>音符を削除し、以降の音符を左にシフトします</source>
        <translation>删除音符，并将其后的音符左移</translation>
    </message>
    <message>
        <source>削除数</source>
        <translation>删除数量</translation>
    </message>
    <message>
        <source>挿入する%1数がマイナスです。</source>
        <translation>要插入的%1数为负数。</translation>
    </message>
    <message>
        <source>挿入する%1数が１ページを超えています。</source>
        <translation>要插入的%1数超过一页。</translation>
    </message>
    <message>
        <source>削除する%1数がマイナスです。</source>
        <translation>要删除的%1数为负数。</translation>
    </message>
    <message>
        <source>削除する%1数が１ページを超えています。</source>
        <translation>要删除的%1数超过一页。</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmKeyBoard</name>
    <message>
        <source>ピアノ鍵盤</source>
        <translation>钢琴键盘</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmMain</name>
    <message>
        <source>デフォルトのプリンターが登録されていませんので、印刷はできません。<byte value="xd"/>
<byte value="xd"/>
印刷以外の操作は通常通り行えます。</source>
        <translation>未设置默认打印机，无法打印。<byte value="xd"/>
<byte value="xd"/>
除打印以外的其他操作均可正常进行。</translation>
    </message>
    <message>
        <source>ドロップするファイルは１個にしてください。</source>
        <translation>请只拖放一个文件。</translation>
    </message>
    <message>
        <source>前回保存されなかった変更を復元しました。</source>
        <translation>已恢复上次未保存的更改。</translation>
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
        <translation>附点%1</translation>
    </message>
    <message>
        <source>リズム入力: %1</source>
        <translation>节奏输入：%1</translation>
    </message>
    <message>
        <source>リズム入力: %1（付点の後）→ %2</source>
        <translation>节奏输入：%1（附点之后）→ %2</translation>
    </message>
    <message>
        <source>入力中の%1ページに戻りました。</source>
        <translation>已返回正在输入的第%1页。</translation>
    </message>
    <message>
        <source>音符の後から新しい小節を始めます。</source>
        <translation>在已有音符之后开始新的小节。</translation>
    </message>
    <message>
        <source>この先には音符があるため、入力できません。</source>
        <translation>前方已有音符，无法继续输入。</translation>
    </message>
    <message>
        <source>弱起の小節を閉じました。次の音符から小節が始まります。</source>
        <translation>弱起小节已结束。从下一个音符起开始完整的小节。</translation>
    </message>
    <message>
        <source>小節を短く閉じました。</source>
        <translation>已提前结束本小节。</translation>
    </message>
    <message>
        <source>装飾音の後には、それを付ける音符を入力してください。</source>
        <translation>倚音之后，请输入它所属的音符。</translation>
    </message>
    <message>
        <source>装飾音には臨時記号を付けられません。</source>
        <translation>倚音不能加变音记号。</translation>
    </message>
    <message>
        <source>装飾音は４つまでです。</source>
        <translation>倚音最多 4 个。</translation>
    </message>
    <message>
        <source>x z: オクターブ&#x3000;c v: 長さ&#x3000;# b n: 臨時記号&#x3000;g: 装飾音&#x3000;/: 小節を閉じる</source>
        <translation>x z：八度　c v：时值　# b n：变音记号　g：倚音　/：结束小节</translation>
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
        <translation>隔遍静音</translation>
    </message>
    <message>
        <source>MUTE</source>
        <translation>每遍静音</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmRecord</name>
    <message>
        <source>録音に使える入力デバイスがありません。</source>
        <translation>没有可用于录音的输入设备。</translation>
    </message>
    <message>
        <source>カウント中…</source>
        <translation>预备拍中…</translation>
    </message>
    <message>
        <source>録音中 %1</source>
        <translation>录音中 %1</translation>
    </message>
    <message>
        <source>録音できませんでした。入力デバイスを確かめてください。</source>
        <translation>无法录音。请检查输入设备。</translation>
    </message>
</context>
<context>
    <name>sorvel::TfrmSetInfo</name>
    <message>
        <source>ブックタイトル</source>
        <translation>曲集标题</translation>
    </message>
    <message>
        <source>ページプロパティ</source>
        <translation>页面属性</translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation>显示位置</translation>
    </message>
    <message>
        <source>曲情報</source>
        <translation>乐曲信息</translation>
    </message>
    <message>
        <source>一般</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>色</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>MIDI設定</source>
        <translation>MIDI 设置</translation>
    </message>
    <message>
        <source>ブック情報設定</source>
        <translation>曲集设置</translation>
    </message>
    <message>
        <source>ページ情報設定</source>
        <translation>页面设置</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>関連付けを登録できませんでした。</source>
        <translation>无法注册文件关联。</translation>
    </message>
    <message>
        <source>関連付けを解除できませんでした。</source>
        <translation>无法解除文件关联。</translation>
    </message>
    <message>
        <source>自動（システムの言語）</source>
        <translation>自动（系统语言）</translation>
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
        <translation>关于二胡简谱编辑器 Sorvel</translation>
    </message>
    <message>
        <source>二胡専用数字譜エディター『ソルベル』</source>
        <translation>二胡简谱编辑器 Sorvel</translation>
    </message>
    <message>
        <source>Version 2.40</source>
        <translation>版本 2.40</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>このプログラムはフリーソフトウェアです。GNU 一般公衆利用許諾書（GPL）バージョン 3、またはそれ以降のバージョンの条件のもとで、再配布や改変ができます。保証は一切ありません。</source>
        <translation>本程序是自由软件：您可以按照 GNU 通用公共许可证（GPL）第 3 版或任何更新版本的条款再发布和修改它。本程序不提供任何担保。</translation>
    </message>
    <message>
        <source>GNU 一般公衆利用許諾書</source>
        <translation>GNU 通用公共许可证</translation>
    </message>
    <message>
        <source>ライセンス(&amp;L)...</source>
        <translation>许可证(&amp;L)...</translation>
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
        <translation>长</translation>
    </message>
    <message>
        <source>強弱記号</source>
        <translation>力度记号</translation>
    </message>
    <message>
        <source>分岐記号</source>
        <translation>反复跳跃记号</translation>
    </message>
    <message>
        <source>奏法</source>
        <translation>演奏法</translation>
    </message>
    <message>
        <source>速度記号</source>
        <translation>速度记号</translation>
    </message>
    <message>
        <source>拍子記号</source>
        <translation>拍号</translation>
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
        <translation>预留</translation>
    </message>
    <message>
        <source>休符</source>
        <translation type="vanished">休止符</translation>
    </message>
    <message>
        <source>延長線</source>
        <translation type="vanished">增时线</translation>
    </message>
    <message>
        <source>付点</source>
        <translation type="vanished">附点</translation>
    </message>
    <message>
        <source>長休符（複数小節）</source>
        <translation type="vanished">多小节休止</translation>
    </message>
    <message>
        <source>開放弦</source>
        <translation type="vanished">空弦</translation>
    </message>
    <message>
        <source>小節線</source>
        <translation type="vanished">小节线</translation>
    </message>
    <message>
        <source>複縦線</source>
        <translation type="vanished">双小节线</translation>
    </message>
    <message>
        <source>終止線</source>
        <translation type="vanished">终止线</translation>
    </message>
    <message>
        <source>反復記号（始め）</source>
        <translation type="vanished">反复记号（开始）</translation>
    </message>
    <message>
        <source>反復記号（終わり）</source>
        <translation type="vanished">反复记号（结束）</translation>
    </message>
    <message>
        <source>反復記号（両側）</source>
        <translation type="vanished">反复记号（两侧）</translation>
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
        <translation type="vanished">内弦</translation>
    </message>
    <message>
        <source>外弦</source>
        <translation type="vanished">外弦</translation>
    </message>
    <message>
        <source>フラット</source>
        <translation type="vanished">降记号</translation>
    </message>
    <message>
        <source>ナチュラル</source>
        <translation type="vanished">还原记号</translation>
    </message>
    <message>
        <source>シャープ</source>
        <translation type="vanished">升记号</translation>
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
        <translation type="vanished">中强</translation>
    </message>
    <message>
        <source>フォルテ（f）</source>
        <translation type="vanished">强</translation>
    </message>
    <message>
        <source>フォルティッシモ（ff）</source>
        <translation type="vanished">很强</translation>
    </message>
    <message>
        <source>フォルティッシッシモ（fff）</source>
        <translation type="vanished">最强</translation>
    </message>
    <message>
        <source>スフォルツァンド（sf）</source>
        <translation type="vanished">突强</translation>
    </message>
    <message>
        <source>クレッシェンド</source>
        <translation type="vanished">渐强</translation>
    </message>
    <message>
        <source>デクレッシェンド</source>
        <translation type="vanished">渐弱</translation>
    </message>
    <message>
        <source>フィーネ（Fine）</source>
        <translation type="vanished">结束记号</translation>
    </message>
    <message>
        <source>セーニョ</source>
        <translation type="vanished">记号（D.S. 返回处）</translation>
    </message>
    <message>
        <source>ダル・セーニョ（D.S.）</source>
        <translation type="vanished">从记号处反复（D.S.）</translation>
    </message>
    <message>
        <source>コーダ</source>
        <translation type="vanished">尾声记号</translation>
    </message>
    <message>
        <source>ダ・カーポ（D.C.）</source>
        <translation type="vanished">从头反复（D.C.）</translation>
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
        <translation type="vanished">左手拨弦</translation>
    </message>
    <message>
        <source>スタッカート</source>
        <translation type="vanished">顿音</translation>
    </message>
    <message>
        <source>トリル</source>
        <translation type="vanished">颤音</translation>
    </message>
    <message>
        <source>トリル（波線つき）</source>
        <translation type="vanished">颤音（带波浪线）</translation>
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
        <translation type="vanished">短顿音</translation>
    </message>
    <message>
        <source>トレモロ</source>
        <translation type="vanished">颤弓</translation>
    </message>
    <message>
        <source>ブレス</source>
        <translation type="vanished">换气记号</translation>
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
        <translation type="vanished">长上滑音</translation>
    </message>
    <message>
        <source>長い下行スライド</source>
        <translation type="vanished">长下滑音</translation>
    </message>
    <message>
        <source>スラー</source>
        <translation type="vanished">圆滑线</translation>
    </message>
    <message>
        <source>三連符</source>
        <translation type="vanished">三连音</translation>
    </message>
    <message>
        <source>前打音</source>
        <translation type="vanished">前倚音</translation>
    </message>
    <message>
        <source>後打音</source>
        <translation type="vanished">后倚音</translation>
    </message>
    <message>
        <source>連音の弧線</source>
        <translation type="vanished">连音弧线</translation>
    </message>
    <message>
        <source>リタルダンド（rit.）</source>
        <translation type="vanished">渐慢</translation>
    </message>
    <message>
        <source>アッチェレランド（accel.）</source>
        <translation type="vanished">渐快</translation>
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
        <translation type="vanished">缩短时值</translation>
    </message>
    <message>
        <source>音を長く</source>
        <translation type="vanished">延长时值</translation>
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
        <translation type="vanished">第%1房子</translation>
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
        <translation>正在识别录音…</translation>
    </message>
    <message>
        <source>録音</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>確かめたい音を %1 ページで選択してあります。</source>
        <translation>需要确认的音已在第 %1 页选中。</translation>
    </message>
    <message>
        <source>ほかに確かめたい音のあるページ: %1</source>
        <translation>其他有需要确认的音的页：%1</translation>
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
        <translation>不是乐谱文件（第 1 行不是乐谱文件头）。</translation>
    </message>
    <message>
        <source>ブックにページ %1 はありません（%2 ページまでです）。</source>
        <translation>曲集中没有第 %1 页（共 %2 页）。</translation>
    </message>
    <message>
        <source>楽譜を開くときと同じように読み込み、保存するときと同じように書き出します。</source>
        <translation>按打开时的方式读取乐谱，并按保存时的方式写出。</translation>
    </message>
    <message>
        <source>ページ N（既定は 1）を PNG 画像に書き出します。1 ページ単位が 1 ピクセルです。</source>
        <translation>将第 N 页（默认为 1）导出为 PNG 图片，每个页面单位为 1 像素。</translation>
    </message>
    <message>
        <source>ページ N（既定は 1）をビットマップ（BMP）画像に書き出します。</source>
        <translation>将第 N 页（默认为 1）导出为位图（BMP）图片。</translation>
    </message>
    <message>
        <source>ブックの全ページを、1 ページずつ PDF に書き出します。</source>
        <translation>将曲集的所有页面导出为 PDF，每页一面。</translation>
    </message>
    <message>
        <source>ページ N を含む曲を標準 MIDI ファイルに書き出します。</source>
        <translation>将包含第 N 页的乐曲导出为标准 MIDI 文件。</translation>
    </message>
    <message>
        <source>ページ N を含む曲を内蔵シンセサイザーで演奏し、WAV（44.1 kHz、16 ビット、ステレオ）に書き出します。</source>
        <translation>用内置合成器播放包含第 N 页的乐曲，并导出为 WAV（44.1 kHz、16 位、立体声）。</translation>
    </message>
    <message>
        <source>五線譜（.musicxml、.xml、圧縮された .mxl）のパートを数字譜のブックにします。読み込んだものと省いたものを 1 行で知らせます。</source>
        <translation>将五线谱（.musicxml、.xml 或压缩的 .mxl）的一个声部转换为简谱曲集，并用一行说明读入和省略的内容。</translation>
    </message>
    <message>
        <source>ブックを二胡の記号つきで MusicXML 4.0 に書き出します。</source>
        <translation>将曲集连同二胡记号导出为 MusicXML 4.0。</translation>
    </message>
    <message>
        <source>弓で弾いた旋律の録音（WAV、FLAC、OGG、MP3）を数字譜のブックにします。調、拍子、小節線、音の長さ、スライド・ビブラート・トリルを聞き取り、音符の数、1＝、拍子、テンポ、確かめたい音を 1 行で知らせます。</source>
        <translation>把用弓拉奏的旋律录音（WAV、FLAC、OGG、MP3）记成简谱曲集。识别调、拍号、小节线、时值以及滑音、揉弦和颤音，并用一行报告音符数、1＝、拍号、速度和需确认的音。</translation>
    </message>
    <message>
        <source>書き出すページ（1 から数えます）。演奏するコマンドでは、そのページを含む曲です。</source>
        <translation>要导出的页（从 1 开始计数）。对于播放的命令，指包含该页的乐曲。</translation>
    </message>
    <message>
        <source>読み込むパート（1 から数えます）。既定は音符のある最初のパートです。</source>
        <translation>要读入的声部（从 1 开始计数）。默认为第一个有音符的声部。</translation>
    </message>
    <message>
        <source>メトロノームの音を加えます。</source>
        <translation>加入节拍器的声音。</translation>
    </message>
    <message>
        <source>二胡の記号（装飾音、トリル、スライド、ビブラート、強弱）をつけて演奏します。</source>
        <translation>按二胡记号（倚音、颤音、滑音、揉弦、力度）表情演奏。</translation>
    </message>
    <message>
        <source>録音のテンポ（1 分間の四分音符の数）。聞き取らずにこれを使います。</source>
        <translation>录音的速度（每分钟四分音符数），用它代替识别出的速度。</translation>
    </message>
    <message>
        <source>録音の拍子（2/4、3/4、4/4、3/8、6/8）。</source>
        <translation>录音的拍号（2/4、3/4、4/4、3/8、6/8）。</translation>
    </message>
    <message>
        <source>録音の調の主音（D、Bb、F# など）。</source>
        <translation>录音所在调的主音（D、Bb、F# 等）。</translation>
    </message>
    <message>
        <source>この説明を表示して終了します。</source>
        <translation>显示此说明并退出。</translation>
    </message>
    <message>
        <source>プログラムの名前とバージョンを表示して終了します。</source>
        <translation>显示程序名称和版本并退出。</translation>
    </message>
    <message>
        <source>これより後の引数はすべてファイル名です（- で始まるファイル名のため）。</source>
        <translation>其后的参数都是文件名（用于以 - 开头的文件名）。</translation>
    </message>
    <message>
        <source>エディターが閉じられたか、コマンドが成功しました。</source>
        <translation>编辑器已关闭，或命令执行成功。</translation>
    </message>
    <message>
        <source>コマンドが失敗しました（読めない入力、書き込めない出力など）。エディターを開く画面がないときもこの値です。</source>
        <translation>命令失败（无法读取输入、无法写入输出等）。没有可打开编辑器的显示器时也返回此值。</translation>
    </message>
    <message>
        <source>コマンドラインが誤っています（不明なオプション、足りない引数、誤った数）。</source>
        <translation>命令行有误（未知选项、缺少参数、数字错误）。</translation>
    </message>
    <message>
        <source>バッチコマンドは一度に一つだけです（%1 と %2）。</source>
        <translation>一次只能执行一个批处理命令（%1 和 %2）。</translation>
    </message>
    <message>
        <source>%1 というオプションはありません。sorvel --help を参照してください。</source>
        <translation>没有 %1 这个选项。请参阅 sorvel --help。</translation>
    </message>
    <message>
        <source>%1 には値を指定してください。</source>
        <translation>%1 需要一个值。</translation>
    </message>
    <message>
        <source>%1 には 1 以上の数を指定してください。</source>
        <translation>%1 需要 1 或以上的数字。</translation>
    </message>
    <message>
        <source>%2 では %1 は使えません。</source>
        <translation>%2 不能使用 %1。</translation>
    </message>
    <message>
        <source>%1 には入力ファイルと出力ファイルが必要です。</source>
        <translation>%1 需要一个输入文件和一个输出文件。</translation>
    </message>
    <message>
        <source>%1 はバッチコマンドと一緒に使うオプションです。</source>
        <translation>%1 只能与批处理命令一起使用。</translation>
    </message>
    <message>
        <source>警告: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>エディターを開く画面がありません（DISPLAY が設定されていません）。バッチコマンドは画面なしで使えます。sorvel --help を参照してください。</source>
        <translation>没有可打开编辑器的显示器（未设置 DISPLAY）。批处理命令无需显示器即可使用，请参阅 sorvel --help。</translation>
    </message>
    <message>
        <source>使い方:</source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>ファイルを指定するとそのブックを開いてエディターを起動します。バッチコマンドは画面なしで動きます。</source>
        <translation>启动编辑器；指定文件时打开该曲集。批处理命令无需显示器即可运行。</translation>
    </message>
    <message>
        <source>バッチコマンド:</source>
        <translation>批处理命令：</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>終了ステータス:</source>
        <translation>退出状态：</translation>
    </message>
    <message>
        <source>詳しくはマニュアル（man sorvel）を参照してください。</source>
        <translation>详细信息请参阅手册（man sorvel）。</translation>
    </message>
    <message>
        <source>ライセンス GPLv3+: GNU GPL バージョン 3 またはそれ以降 &lt;https://gnu.org/licenses/gpl.html&gt;</source>
        <translation>许可证 GPLv3+：GNU GPL 第 3 版或更新版本 &lt;https://gnu.org/licenses/gpl.html&gt;</translation>
    </message>
    <message>
        <source>これはフリーソフトウェアです。自由に変更し、再配布できます。</source>
        <translation>本软件是自由软件：您可以自由地修改和再发布它。</translation>
    </message>
    <message>
        <source>法律で認められる範囲で、保証は一切ありません。</source>
        <translation>在法律允许的范围内，不提供任何担保。</translation>
    </message>
    <message>
        <source>音楽フォントを読み込めませんでした。</source>
        <translation>无法载入音乐字体。</translation>
    </message>
    <message>
        <source>演奏が %1 時間以内に終わりませんでした。何も書き出していません。</source>
        <translation>演奏未在 %1 小时内结束，未写出任何内容。</translation>
    </message>
    <message>
        <source>General MIDI の SoundFont がインストールされていません（fluid-soundfont-gm または timgm6mb-soundfont）。</source>
        <translation>未安装 General MIDI 的 SoundFont（fluid-soundfont-gm 或 timgm6mb-soundfont）。</translation>
    </message>
    <message>
        <source>SoundFont を読み込めませんでした。</source>
        <translation>无法载入 SoundFont。</translation>
    </message>
    <message>
        <source>--tempo には 20 から 300 までの 1 分間の四分音符の数を指定してください（%1 ではなく）。</source>
        <translation>--tempo 需要每分钟 20 到 300 个四分音符（而不是 %1）。</translation>
    </message>
    <message>
        <source>--meter には 2/4、3/4、4/4、3/8、6/8 のどれかを指定してください（%1 ではなく）。</source>
        <translation>--meter 需要 2/4、3/4、4/4、3/8 或 6/8（而不是 %1）。</translation>
    </message>
    <message>
        <source>--key には長調の主音（C、G、D、F、Bb、F# など）を指定してください（%1 ではなく）。</source>
        <translation>--key 需要大调的主音（C、G、D、F、Bb、F# 等；而不是 %1）。</translation>
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
        <translation>调号变更（已用临时记号表示）</translation>
    </message>
    <message>
        <source>装飾音の臨時記号</source>
        <translation>倚音的临时记号</translation>
    </message>
    <message>
        <source>5つ目からの装飾音</source>
        <translation>第5个及以后的倚音</translation>
    </message>
    <message>
        <source>終わりのないスラー</source>
        <translation>没有结束的圆滑线</translation>
    </message>
    <message>
        <source>3つ組にならない3連符の音</source>
        <translation type="vanished">不成三个一组的三连音音符</translation>
    </message>
    <message>
        <source>対応していない記号 %1</source>
        <translation>不支持的记号 %1</translation>
    </message>
    <message>
        <source>装飾音の記号 %1</source>
        <translation>倚音上的记号 %1</translation>
    </message>
    <message>
        <source>この形式にない拍子 %1</source>
        <translation>此格式不支持的拍号 %1</translation>
    </message>
    <message>
        <source>読み込まなかったものはありません。</source>
        <translation>所有内容均已导入。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>読み込まなかったもの: %1。</source>
        <translation>未导入：%1。</translation>
    </message>
    <message>
        <source>MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6</source>
        <translation type="vanished">已导入 MusicXML（声部 %1/%2，%3 小节，%4 个音，%5 页）。%6</translation>
    </message>
    <message>
        <source>ファイルが大きすぎるため読み込めません。</source>
        <translation>文件过大，无法读取。</translation>
    </message>
    <message>
        <source>圧縮MusicXML（.mxl）の中に楽譜が見つかりません。</source>
        <translation>压缩 MusicXML（.mxl）中找不到乐谱。</translation>
    </message>
    <message>
        <source>タイムワイズ形式のMusicXMLには対応していません。パートワイズ形式で保存し直してください。</source>
        <translation>不支持 timewise 格式的 MusicXML。请重新保存为 partwise 格式。</translation>
    </message>
    <message>
        <source>MusicXMLの楽譜ではありません。</source>
        <translation>这不是 MusicXML 乐谱。</translation>
    </message>
    <message>
        <source>音符のあるパートがありません。</source>
        <translation>没有包含音符的声部。</translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>MusicXMLとして読み込めません（XMLの誤り: %1、%2 バイト目）。</source>
        <translation>无法作为 MusicXML 读取（XML 错误：%1，第 %2 字节）。</translation>
    </message>
    <message>
        <source>パート %1 はありません（この楽譜のパートは %2 個です）。</source>
        <translation>没有声部 %1（此乐谱共有 %2 个声部）。</translation>
    </message>
    <message>
        <source>和音の音</source>
        <translation>和弦音</translation>
    </message>
    <message>
        <source>他の声部の音</source>
        <translation>多声部中其他声部的音</translation>
    </message>
    <message>
        <source>他の譜表の音</source>
        <translation>其他谱表上的音</translation>
    </message>
    <message>
        <source>他の譜表の記号</source>
        <translation>其他谱表上的记号</translation>
    </message>
    <message>
        <source>キュー音符</source>
        <translation>提示音符</translation>
    </message>
    <message>
        <source>打楽器の音</source>
        <translation>打击乐器的音</translation>
    </message>
    <message>
        <source>3連符以外の連符</source>
        <translation type="vanished">三连音以外的连音</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>歌詞</source>
        <translation>歌词</translation>
    </message>
    <message>
        <source>コードネーム</source>
        <translation>和弦记号</translation>
    </message>
    <message>
        <source>対応していない指番号</source>
        <translation>不支持的指法</translation>
    </message>
    <message>
        <source>対応していない弦の番号</source>
        <translation>不支持的弦号</translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの指番号</source>
        <translation>非拉弦乐器声部的指法</translation>
    </message>
    <message>
        <source>擦弦楽器でないパートの弦の番号</source>
        <translation>非拉弦乐器声部的弦号</translation>
    </message>
    <message>
        <source>多すぎる装飾音</source>
        <translation>过多的倚音</translation>
    </message>
    <message>
        <source>付く音のない装飾音</source>
        <translation>没有主音符的倚音</translation>
    </message>
    <message>
        <source>長すぎる音</source>
        <translation>过长的音</translation>
    </message>
    <message>
        <source>長さのない音</source>
        <translation>没有时值的音</translation>
    </message>
    <message>
        <source>重なった音</source>
        <translation>重叠的音</translation>
    </message>
    <message>
        <source>読めない音の高さ</source>
        <translation>无法识别的音高</translation>
    </message>
    <message>
        <source>上限を超えた小節</source>
        <translation>超出上限的小节</translation>
    </message>
    <message>
        <source>その他の記号</source>
        <translation>其他记号</translation>
    </message>
    <message>
        <source>MusicXMLを書き込めません。</source>
        <translation>无法写入 MusicXML。</translation>
    </message>
    <message>
        <source>調号の変更（新しいページにしました）</source>
        <translation>调号变更（已另起新页）</translation>
    </message>
    <message>
        <source>%1連符の括弧</source>
        <translation>%1连音的括线</translation>
    </message>
    <message>
        <source>%1連符（3連符の括弧で書きました）</source>
        <translation>%1连音（已用三连音括线表示）</translation>
    </message>
    <message>
        <source>書き換えたもの: %1。</source>
        <translation>改写：%1。</translation>
    </message>
    <message>
        <source>MusicXMLを読み込みました（パート %1/%2、%3 小節、%4 音、%5 ページ）。%6%7</source>
        <translation>已导入 MusicXML（声部 %1/%2，%3 小节，%4 个音，%5 页）。%6%7</translation>
    </message>
    <message>
        <source>D.S.・D.C.で戻る部分（繰り返しを除いて書き出しました）</source>
        <translation>D.S.・D.C. 返回的段落（已去掉反复并展开写出）</translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません。</source>
        <translation>不是普通文件，无法读取。</translation>
    </message>
    <message>
        <source>MusicXMLに書けない文字を%1個省きました。</source>
        <translation>已省略 %1 个无法写入 MusicXML 的字符。</translation>
    </message>
</context>
<context>
    <name>sorvel::listen</name>
    <message>
        <source>音声ファイル %1 を読めません（%2）。</source>
        <translation>无法读取音频文件 %1（%2）。</translation>
    </message>
    <message>
        <source>%1 は音声ファイルではありません。</source>
        <translation>%1 不是音频文件。</translation>
    </message>
    <message>
        <source>%1 は読める音声ファイルではありません（%2）。</source>
        <translation>%1 不是可读取的音频文件（%2）。</translation>
    </message>
    <message>
        <source>録音に音声が入っていません。</source>
        <translation>录音中没有声音。</translation>
    </message>
    <message>
        <source>録音が短すぎます（%1 秒）。</source>
        <translation>录音太短（%1 秒）。</translation>
    </message>
    <message>
        <source>録音は無音です。</source>
        <translation>录音是静音的。</translation>
    </message>
    <message>
        <source>録音の音が小さすぎます（最大 %1 dB）。録音レベルを上げてください。</source>
        <translation>录音音量太小（最大 %1 dB）。请提高录音电平。</translation>
    </message>
    <message>
        <source>録音が音割れしています（%1 サンプル）。音の高さを誤ることがあります。</source>
        <translation>录音有削波失真（%1 个采样）。音高可能识别有误。</translation>
    </message>
    <message>
        <source>聞き取りを中止しました。</source>
        <translation>已中止识别。</translation>
    </message>
    <message>
        <source>録音から音符を聞き取れませんでした。</source>
        <translation>未能从录音中识别出音符。</translation>
    </message>
    <message>
        <source>譜にするのを中止しました。</source>
        <translation>已中止记谱。</translation>
    </message>
    <message>
        <source>録音の %1 サンプルが音割れしています。</source>
        <translation>录音中有 %1 个采样削波失真。</translation>
    </message>
    <message>
        <source>録音の音量が小さすぎます。</source>
        <translation>录音音量太小。</translation>
    </message>
    <message>
        <source>録音を譜にしました（音符 %1、1＝%2、%3 拍子、♩＝%4、確かめたい音 %5）。%6</source>
        <translation>已将录音记成谱（音符 %1，1＝%2，%3 拍，♩＝%4，需确认的音 %5）。%6</translation>
    </message>
</context>
<context>
    <name>sorvel::manpage</name>
    <message>
        <source>設定ファイル：オプション、最近使ったファイル、演奏の設定、インターフェースの言語（[Editor] の Language）。XDG_CONFIG_HOME が設定されていれば $XDG_CONFIG_HOME/sorvel/sorvelini です。インストールせず、書き込めるフォルダーから起動したプログラムは、実行ファイルの隣の sorvelini を使います。</source>
        <translation>设置文件：选项、最近使用的文件、播放设置和界面语言（[Editor] 中的 Language）。设置了 XDG_CONFIG_HOME 时为 $XDG_CONFIG_HOME/sorvel/sorvelini。未安装、从可写入的文件夹启动的程序使用可执行文件旁的 sorvelini。</translation>
    </message>
    <message>
        <source>保存していない変更のあるブックの復元用コピー。次に起動したときに復元を提案します。XDG_STATE_HOME が設定されていれば $XDG_STATE_HOME/sorvel/recovery/ です。</source>
        <translation>有未保存更改的曲集的恢复副本，下次启动时提示恢复。设置了 XDG_STATE_HOME 时为 $XDG_STATE_HOME/sorvel/recovery/。</translation>
    </message>
    <message>
        <source>操作説明（ヘルプメニューが開くものと同じページ）。</source>
        <translation>使用说明（与帮助菜单打开的页面相同）。</translation>
    </message>
    <message>
        <source>--render-wav が使う SoundFont（.sf2）ファイル。設定されていなければ General MIDI の SoundFont（fluid-soundfont-gm、なければ timgm6mb-soundfont）です。</source>
        <translation>--render-wav 使用的 SoundFont（.sf2）文件。未设置时使用 General MIDI 的 SoundFont（fluid-soundfont-gm，没有时为 timgm6mb-soundfont）。</translation>
    </message>
    <message>
        <source>設定ファイルの言語が「自動」（既定）のとき、インターフェース、バッチコマンドのメッセージと --help の言語を決めます。LC_ALL、LC_MESSAGES、LANG のうち最初に設定されているもののロケールで、C と POSIX 以外では LANGUAGE の最初の言語が優先します。日本語、中国語（台湾・香港・マカオは繁体字、ほかは簡体字）、それ以外はすべて英語になります。</source>
        <translation>设置文件中的语言为“自动”（默认）时，由这些变量决定界面、批处理命令消息和 --help 的语言：取 LC_ALL、LC_MESSAGES、LANG 中第一个已设置者的区域设置；除 C 和 POSIX 外，LANGUAGE 的第一个语言优先。日语和中文（台湾、香港、澳门为繁体，其他为简体）按该语言显示，其他语言一律为英语。</translation>
    </message>
    <message>
        <source>エディターを開く画面。どちらも（QT_QPA_PLATFORM も）設定されていなければ、エディターを開かずに 1 行のメッセージを出し、終了ステータス 1 で終わります。バッチコマンドは画面を使いません。</source>
        <translation>编辑器所用的显示器。两者（以及 QT_QPA_PLATFORM）都未设置时，不打开编辑器，输出一行消息并以退出状态 1 结束。批处理命令不使用显示器。</translation>
    </message>
    <message>
        <source>ユーザーコマンド</source>
        <translation>用户命令</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>二胡の数字譜（簡譜）を書き、印刷し、演奏する楽譜エディター</source>
        <translation>编写、打印和播放二胡简谱的乐谱编辑器</translation>
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
        <translation>Sorvel 是为二胡演奏者设计的乐谱编辑器。用简谱记谱，并可标注二胡专用记号：弓法、内外弦、指法、滑音和装饰音。一整本曲集保存在一个 .svl 文件中。</translation>
    </message>
    <message>
        <source>バッチコマンドを指定しなければエディターを開きます。FILE.svl を指定するとそのブックを開きます。バッチコマンドは画面なしで動き、一つのファイルを読んで一つのファイルを書きます。失敗したときは標準エラーに 1 行のメッセージを出し、0 以外の終了ステータスで終わり、出力ファイルを残しません。</source>
        <translation>不指定批处理命令时打开编辑器；指定 FILE.svl 时打开该曲集。批处理命令无需显示器即可运行，读取一个文件并写出一个文件。失败时在标准错误输出一行消息，以非 0 的退出状态结束，且不留下输出文件。</translation>
    </message>
    <message>
        <source>バッチコマンド</source>
        <translation>批处理命令</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>環境変数</source>
        <translation>环境变量</translation>
    </message>
    <message>
        <source>終了ステータス</source>
        <translation>退出状态</translation>
    </message>
    <message>
        <source>著作権</source>
        <translation>版权</translation>
    </message>
</context>
<context>
    <name>sorvel::model</name>
    <message>
        <source>%1ページ目の記号が多すぎます。１ページに置ける記号は%2個までです。</source>
        <translation>第 %1 页的符号过多。每页最多可放置 %2 个符号。</translation>
    </message>
    <message>
        <source>楽譜全体の記号とページが多すぎます。記号とページは合わせて%1個までです。</source>
        <translation>整个乐谱中的符号和页面过多。符号和页面合计最多 %1 个。</translation>
    </message>
    <message>
        <source>%1ページ目に、結び付いた記号が多すぎる記号があります。１つの記号に結び付けられる記号は%2個までです。</source>
        <translation>第 %1 页中有符号关联了过多的符号。一个符号最多可关联 %2 个符号。</translation>
    </message>
    <message>
        <source>テキストの行が多すぎます。テキストは楽譜全体で%1行までです。</source>
        <translation>文本行数过多。整个乐谱的文本最多 %1 行。</translation>
    </message>
    <message>
        <source>楽譜データが大きすぎます。保存できる楽譜データは%1MBまでです。</source>
        <translation>乐谱数据过大。可保存的乐谱数据最大为 %1 MB。</translation>
    </message>
    <message>
        <source>指定されたファイルは見つかりません。</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>楽譜データが壊れているため読み込めません。</source>
        <translation>乐谱数据已损坏，无法读取。</translation>
    </message>
    <message>
        <source>楽譜データが大きすぎるため読み込めません。</source>
        <translation>乐谱数据过大，无法读取。</translation>
    </message>
    <message>
        <source>「%1」に保存できません。</source>
        <translation>无法保存到“%1”。</translation>
    </message>
    <message>
        <source>「%1」は、読み込んだ後にほかのプログラムで変更されています。
上書き保存すると、その変更は失われます。上書きしますか？</source>
        <translation>“%1”在读入后已被其他程序修改。
保存将覆盖这些更改。是否覆盖？</translation>
    </message>
    <message>
        <source>このプロパティは有りません  %1</source>
        <translation>没有此属性：%1</translation>
    </message>
    <message>
        <source>このプロパティの型は現在使用できません</source>
        <translation>此属性的类型目前无法使用</translation>
    </message>
    <message>
        <source>通常のファイルではないため読み込めません。</source>
        <translation>不是普通文件，无法读取。</translation>
    </message>
</context>
<context>
    <name>sorvel::playback</name>
    <message>
        <source>コーダーに対応するコーダーが存在しません</source>
        <translation>缺少与 Coda 记号对应的 Coda 记号</translation>
    </message>
    <message>
        <source>１の括弧がありません。あるいは、リピートエンドの直後に１括弧が指定されています</source>
        <translation>缺少第一房子；或者第一房子紧接在反复结束记号之后</translation>
    </message>
    <message>
        <source>楽譜の繰り返しが終わらないため、繰り返しが閉じるところで演奏を止めます。</source>
        <translation>乐谱的反复不会结束，演奏在反复结束处停止。</translation>
    </message>
</context>
<context>
    <name>sorvel::print</name>
    <message>
        <source>ページを %1 にできませんでした。</source>
        <translation>无法将页面转换为 %1。</translation>
    </message>
    <message>
        <source>ブックにページがありません。</source>
        <translation>曲集中没有页面。</translation>
    </message>
    <message>
        <source>PDF を書き始められませんでした。</source>
        <translation>无法开始写入 PDF。</translation>
    </message>
    <message>
        <source>PDF の作成を取り消しました。</source>
        <translation>已取消创建 PDF。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
</TS>
