<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>trigram %1, %2</source>
        <translation>%1卦，%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A trigram&apos;s words, then its role (body or use)
----------
A trigram&apos;s place in the reading, then its element: &quot;outer trigram, Metal&quot;</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>solid</source>
        <translation>阳爻</translation>
    </message>
    <message>
        <source>broken</source>
        <translation>阴爻</translation>
    </message>
    <message>
        <source>Lines from the top: %1, %2, %3.</source>
        <translation>自上而下：%1、%2、%3。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An accessible name: what a control shows, then its value</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1：空</translation>
    </message>
    <message>
        <source>An empty frame.</source>
        <translation>空白的框。</translation>
    </message>
    <message>
        <source>%1: casting</source>
        <translation>%1：正在起卦</translation>
    </message>
    <message>
        <source>%1 element: empty</source>
        <translation>%1五行：空</translation>
    </message>
    <message>
        <source>Element of the %1.</source>
        <translation>%1的五行。</translation>
    </message>
    <message>
        <source>Element of the %1, which is the body.</source>
        <translation>%1的五行，为体。</translation>
    </message>
    <message>
        <source>%1, favourable</source>
        <translation>%1，有利</translation>
    </message>
    <message>
        <source>%1, unfavourable</source>
        <translation>%1，不利</translation>
    </message>
    <message>
        <source>Element of the %1. %2.</source>
        <translation>%1的五行。%2。</translation>
    </message>
    <message>
        <source>Role of the %1: %2</source>
        <translation>%1的体用：%2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>What a number is, then the number: &quot;Original hexagram 49&quot;</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>下</translation>
    </message>
    <message>
        <source>middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>top</source>
        <translation>上</translation>
    </message>
    <message>
        <source>Line %1 of 6, counted from the bottom: the %2 line of the outer trigram.</source>
        <translation>自下而上第 %1 爻（共六爻）：外卦的%2爻。</translation>
    </message>
    <message>
        <source>Line %1 of 6, counted from the bottom: the %2 line of the inner trigram.</source>
        <translation>自下而上第 %1 爻（共六爻）：内卦的%2爻。</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>第 %1 爻</translation>
    </message>
    <message>
        <source>%1, the change line</source>
        <translation>%1，动爻</translation>
    </message>
    <message>
        <source>%1, not the change line</source>
        <translation>%1，非动爻</translation>
    </message>
    <message>
        <source>Original hexagram</source>
        <translation>本卦</translation>
    </message>
    <message>
        <source>Change line</source>
        <translation>动爻</translation>
    </message>
    <message>
        <source>Final hexagram</source>
        <translation>变卦</translation>
    </message>
    <message>
        <source>Original hexagram %1, %2. Change line %3. Final hexagram %4, %5. Body: %6. Use: %7.</source>
        <translation>本卦第%1卦%2。动爻：%3。变卦第%4卦%5。体：%6。用：%7。</translation>
    </message>
    <message>
        <source>%1 element: casting</source>
        <translation>%1五行：正在起卦</translation>
    </message>
    <message>
        <source>Role of the %1: casting</source>
        <translation>%1的体用：正在起卦</translation>
    </message>
</context>
<context>
    <name>CaseBookWords</name>
    <message>
        <source>The case book %1 could not be opened: %2</source>
        <extracomment>%1 is the case book&apos;s file, %2 what SQLite said of it</extracomment>
        <translation>无法打开占例簿 %1：%2</translation>
    </message>
    <message>
        <source>The case book %1 could not be written: %2</source>
        <extracomment>%1 is the case book&apos;s file, %2 what SQLite said of it</extracomment>
        <translation>无法写入占例簿 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a case book. It was left as it is.</source>
        <translation>%1 不是占例簿，未作任何改动。</translation>
    </message>
    <message>
        <source>The case book %1 was made by a newer version of Zandrel. It was left as it is.</source>
        <translation>占例簿 %1 由更新版本的 Zandrel 建立，未作任何改动。</translation>
    </message>
    <message>
        <source>The case book %1 is damaged. It was left as it is: restore your last export, or recover it with SQLite&apos;s own tools.</source>
        <translation>占例簿 %1 已损坏，未作任何改动：请恢复最近一次导出的记录，或用 SQLite 自带的工具修复。</translation>
    </message>
    <message>
        <source>came true</source>
        <extracomment>The verdict on a reading: what it foretold happened</extracomment>
        <translation>应验</translation>
    </message>
    <message>
        <source>partly</source>
        <extracomment>The verdict on a reading: part of what it foretold happened</extracomment>
        <translation>部分应验</translation>
    </message>
    <message>
        <source>did not</source>
        <extracomment>The verdict on a reading: what it foretold did not happen</extracomment>
        <translation>未应验</translation>
    </message>
    <message>
        <source>not yet</source>
        <extracomment>The verdict on a reading: not known yet</extracomment>
        <translation>待定</translation>
    </message>
    <message>
        <source>General query</source>
        <translation>随机起卦</translation>
    </message>
    <message>
        <source>Target time query</source>
        <translation>指定时间起卦</translation>
    </message>
    <message>
        <source>Traditional time query</source>
        <translation>农历时间起卦</translation>
    </message>
    <message>
        <source>By numbers</source>
        <translation>数字起卦</translation>
    </message>
    <message>
        <source>By characters</source>
        <translation>文字起卦</translation>
    </message>
    <message>
        <source>By trigrams</source>
        <translation>卦象起卦</translation>
    </message>
    <message>
        <source>From the query log</source>
        <extracomment>A record taken from an entry of the query log, whose way of casting is unknown</extracomment>
        <translation>取自占卜记录</translation>
    </message>
    <message>
        <source>records %1: %2 %3, %4 %5, %6 %7, %8 %9</source>
        <extracomment>%1 is how many records; then each verdict&apos;s count</extracomment>
        <translation>共%1条：%2 %3，%4 %5，%6 %7，%8 %9</translation>
    </message>
    <message>
        <source>; %1% came true of %2 judged</source>
        <extracomment>%1 is a whole percentage, %2 how many records have a verdict</extracomment>
        <translation>；已判断的%2条中%1%应验</translation>
    </message>
    <message>
        <source>; none judged yet</source>
        <translation>；尚无判断</translation>
    </message>
    <message>
        <source>All methods: %1</source>
        <extracomment>Heading of the line that counts every record</extracomment>
        <translation>全部方法：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the name of a way of casting, %2 its counts</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 holds changes of another database, not of the case book beside it. Neither was changed: move %1 away to use the case book.</source>
        <extracomment>%1 is the file beside the case book that holds changes waiting to be written to it (SQLite&apos;s write-ahead log, casebook.sqlite-wal), which came from another database</extracomment>
        <translation>%1 存放的是另一个数据库的改动，不属于旁边的占例簿。两者均未改动：请把 %1 移走，才能使用占例簿。</translation>
    </message>
    <message>
        <source>The text is longer than the case book %1 keeps (4 MiB in a field, so that every record can be exported and imported again whole). It was not saved.</source>
        <extracomment>%1 is the case book&apos;s file</extracomment>
        <translation>文本超出占例簿 %1 所能保存的长度（每栏最多 4 MiB，以便每条记录都能完整地导出并重新导入），未保存。</translation>
    </message>
</context>
<context>
    <name>Casts</name>
    <message>
        <source>there is no rule &apos;%1&apos; for this input; rules: %2</source>
        <translation>此输入没有规则“%1”；可用的规则：%2</translation>
    </message>
    <message>
        <source>give one, two or three numbers</source>
        <translation>请给出一个、两个或三个数</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a whole number from 1 to 999999999</source>
        <translation>“%1”不是 1 到 999999999 之间的整数</translation>
    </message>
    <message>
        <source>give the outer and the inner trigram, and the change line if you have it</source>
        <translation>请给出上卦和下卦，已有动爻的也一并给出</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a trigram: give 1 to 8, a name or a direction</source>
        <translation>“%1”不是卦：请给出 1 到 8、卦名或方位</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a change line: give 1 to 6</source>
        <translation>“%1”不是动爻：请给出 1 到 6</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a count: write it as 字=6, or 字=3+3 for one character&apos;s two parts</source>
        <translation>“%1”不是笔画数：请写作 字=6，单字的两部分写作 字=3+3</translation>
    </message>
    <message>
        <source>there is no Chinese character to count</source>
        <translation>没有可计笔画的汉字</translation>
    </message>
    <message>
        <source>give the strokes of the two parts of %1 as %1=3+6</source>
        <translation>请按 %1=3+6 的格式给出“%1”两部分的笔画</translation>
    </message>
    <message>
        <source>the strokes of %1 are not known: give them as %1=N</source>
        <translation>不知“%1”的笔画：请按 %1=N 给出</translation>
    </message>
    <message>
        <source>Cast by numbers: %1 (%2), %3</source>
        <translation>数字起卦：%1（%2），%3</translation>
    </message>
    <message>
        <source>Cast by characters: %1 (%2, %3), %4</source>
        <translation>文字起卦：%1（%2，%3），%4</translation>
    </message>
    <message>
        <source>; left out: %1</source>
        <translation>；未计：%1</translation>
    </message>
    <message>
        <source>Cast by trigrams: %1 over %2 (%3), %4</source>
        <translation>卦象起卦：上%1下%2（%3），%4</translation>
    </message>
    <message>
        <source>Kangxi strokes</source>
        <translation>康熙笔画</translation>
    </message>
    <message>
        <source>modern strokes</source>
        <translation>现代笔画</translation>
    </message>
    <message>
        <source>outer from the number, inner from the hour, line from both</source>
        <translation>数为上卦，时为下卦，数加时取动爻</translation>
    </message>
    <message>
        <source>line from the third number</source>
        <translation>第三数取动爻</translation>
    </message>
    <message>
        <source>line from the two trigrams&apos; numbers and the hour</source>
        <translation>上下卦数加时取动爻</translation>
    </message>
    <message>
        <source>line as given</source>
        <translation>按所给动爻</translation>
    </message>
    <message>
        <source>outer %1 mod %2 = %3 %4</source>
        <extracomment>The arithmetic of a cast: %1 the terms, %2 the divisor, %3 the remainder, %4 the trigram</extracomment>
        <translation>上卦 %1 ÷ %2 余 %3 %4</translation>
    </message>
    <message>
        <source>inner %1 mod %2 = %3 %4</source>
        <translation>下卦 %1 ÷ %2 余 %3 %4</translation>
    </message>
    <message>
        <source>change line %1 mod %2 = %3 %4</source>
        <translation>动爻 %1 ÷ %2 余 %3 %4</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>outer from the number, inner and line from it and the hour</source>
        <translation>数为上卦，数加时为下卦并取动爻</translation>
    </message>
    <message>
        <source>line from their sum</source>
        <translation>两数之和取动爻</translation>
    </message>
    <message>
        <source>line from their sum and the hour (a measure in zhang and chi)</source>
        <translation>两数之和加时取动爻（如丈尺占）</translation>
    </message>
    <message>
        <source>line from the sum of the three</source>
        <translation>三数之和取动爻</translation>
    </message>
    <message>
        <source>by its two parts, left or top above</source>
        <translation>单字分两部分，左或上为上卦</translation>
    </message>
    <message>
        <source>by its strokes above, the hour below</source>
        <translation>单字笔画为上卦，时为下卦</translation>
    </message>
    <message>
        <source>first half above (the smaller), the rest below, line from all</source>
        <translation>前半（字少的一半）为上卦，其余为下卦，总笔画取动爻</translation>
    </message>
    <message>
        <source>by how many characters each half has</source>
        <translation>十一字以上，以两半的字数起卦</translation>
    </message>
    <message>
        <source>hour %2 %1</source>
        <comment>the hour&apos;s branch name and number</comment>
        <translation>%2时 %1</translation>
    </message>
    <message>
        <source>the characters are not UTF-8 text</source>
        <translation>所给文字不是 UTF-8 文本</translation>
    </message>
</context>
<context>
    <name>CommandLineWords</name>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>选项“%1”需要一个值</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>Usage: zandrel [--user-data]
       zandrel cast|lunar|text ...
       zandrel --help | --version

Casts hexagram readings. The custom hexagram texts (custom1.txt to custom64.txt)
and the query log (auvrel.log) are kept in the current directory.

Options:
  --user-data  keep them in ${XDG_DATA_HOME:-~/.local/share}/zandrel instead,
               creating it when missing; the desktop menu entry passes this
  --language LANG
               speak LANG: en (English), zh_CN (simplified Chinese) or zh_TW
               (traditional Chinese), instead of the desktop&apos;s language
  -h, --help   print this help and exit
  --version    print the version and exit

The options of every Qt program, such as -platform and -style, work as well.

</source>
        <translation>用法：zandrel [--user-data]
      zandrel cast|lunar|text ...
      zandrel --help | --version

起卦占问。自定义卦爻辞（custom1.txt 至 custom64.txt）和占问日志（auvrel.log）
保存在当前目录中。

选项：
  --user-data  改为保存在 ${XDG_DATA_HOME:-~/.local/share}/zandrel 中，
               不存在时自动创建；桌面菜单项使用此选项
  --language LANG
               使用语言 LANG：en（英文）、zh_CN（简体中文）或 zh_TW（繁体中文），
               而不用桌面的语言
  -h, --help   显示此帮助并退出
  --version    显示版本并退出

所有 Qt 程序的选项（如 -platform 和 -style）同样可用。

</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>选项“%1”需要一个值</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>选项“%1”不接受值</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>the question is not UTF-8 text</source>
        <translation>问题不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>the question has %1 characters; the question dialog takes at most %2</source>
        <translation>问题有 %1 个字符；提问对话框最多接受 %2 个</translation>
    </message>
    <message>
        <source>cannot write to the standard output</source>
        <translation>无法写入标准输出</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>give the date with --date YYYY-MM-DD</source>
        <translation>请用 --date YYYY-MM-DD 给出日期</translation>
    </message>
    <message>
        <source>give the hour with --period N or --time HH:MM</source>
        <translation>请用 --period N 或 --time HH:MM 给出时辰</translation>
    </message>
    <message>
        <source>give either --period or --time, not both</source>
        <translation>--period 与 --time 只能给出其一</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a period: give 1 (%2) to 12 (%3)</source>
        <translation>“%1”不是时辰：请给出 1（%2）到 12（%3）</translation>
    </message>
    <message>
        <source>favourable: %1</source>
        <translation>有利：%1</translation>
    </message>
    <message>
        <source>unfavourable: %1</source>
        <translation>不利：%1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A trigram&apos;s role, then how its element stands to the body&apos;s</extracomment>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>Question: %1</source>
        <translation>问题：%1</translation>
    </message>
    <message>
        <source>Original hexagram %1, change line %2, final hexagram %3</source>
        <translation>本卦：%1；动爻：%2；变卦：%3</translation>
    </message>
    <message>
        <source>Traditional time query: %1, %2</source>
        <translation>年月日时起卦：%1，%2</translation>
    </message>
    <message>
        <source>give the date as YYYY-MM-DD</source>
        <translation>请以 YYYY-MM-DD 给出日期</translation>
    </message>
    <message>
        <source>give the hexagram&apos;s number, 1 to 64</source>
        <translation>请给出卦的编号，1 到 64</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a hexagram: give 1 to 64</source>
        <translation>“%1”不是卦：请给出 1 到 64</translation>
    </message>
    <message>
        <source>Commands, which need no display:
</source>
        <translation>无需显示器的命令：
</translation>
    </message>
    <message>
        <source>  zandrel text N [--user-data]
      Prints the full text of hexagram N (1 to 64), as the text browser shows it.
</source>
        <translation>  zandrel text N [--user-data]
      显示第 N 卦（1 至 64）的全文，与卦爻辞窗口所示相同。
</translation>
    </message>
    <message>
        <source>  Each takes --language LANG too, and then prints in that language.
  Their lines end in LF; in the JSON &quot;text&quot; the reading keeps the CR LF of the
  log. Exit status: 0 done, 1 a file error, 2 bad input.
</source>
        <translation>  每个命令也接受 --language LANG，并以该语言输出。
  输出的行以 LF 结尾；JSON 的 &quot;text&quot; 中卦辞保留日志中的 CR LF。
  退出状态：0 完成，1 文件错误，2 输入有误。
</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two items of a list, or the list so far and its next item</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <extracomment>The list so far and its last item</extracomment>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>General query</source>
        <translation>随机起卦</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; is given more than once</source>
        <translation>选项“%1”给出了不止一次</translation>
    </message>
    <message>
        <source>give %1 or %2, not both</source>
        <translation>%1 与 %2 只能给出其一</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; goes with %2</source>
        <translation>选项“%1”须与 %2 同用</translation>
    </message>
    <message>
        <source>give the change line once: with --line or after the trigrams</source>
        <translation>动爻只能给一次：用 --line 或写在两卦之后</translation>
    </message>
    <message>
        <source>give --strokes modern or --strokes kangxi</source>
        <translation>请给出 --strokes modern 或 --strokes kangxi</translation>
    </message>
    <message>
        <source>period %1 (%2)</source>
        <translation>时辰 %1（%2）</translation>
    </message>
    <message>
        <source>Target time query: %1, %2</source>
        <translation>公历日期起卦：%1，%2</translation>
    </message>
    <message>
        <source>  zandrel cast --date YYYY-MM-DD (--period N | --time HH:MM) [--question TEXT]
               [--traditional] [--json] [--log] [--user-data] [--details]
               [--year-start lunar|lichun] [--zi-hour same-day|next-day]
               [--longitude DEG]
      Prints the reading of a target time query: the date&apos;s year, month and day
      and the two-hour period N (1 is 11PM - 1AM, 12 is 9PM - 11PM) or the one
      that holds the time. With --traditional, casts by the lunar date and hour
      instead. --json prints one JSON object, --log also adds the entry to the
      query log. Dates run from 1998-01-01 to 2099-12-31.
      --details also prints the four pillars and the solar term of the cast&apos;s
      moment, the strength of each trigram&apos;s element in the season, body and use
      at each stage, the nuclear, opposite and reversed hexagrams and the
      conditions of timing; --json always holds them. --year-start lunar|lichun,
      --zi-hour same-day|next-day and --longitude DEG (true solar time at DEG
      degrees east) override the settings file for one reading; they change the
      details only, never the cast.
  zandrel cast --numbers A [B [C]] [--rule RULE]
  zandrel cast --characters TEXT [--strokes modern|kangxi] [--count CHAR=N ...]
               [--rule RULE]
  zandrel cast --trigrams OUTER INNER [--line N]
               [--date YYYY-MM-DD] [--time HH:MM | --period N] [--question TEXT]
               [--json] [--log] [--user-data]
      Casts from counts: each value is a sum divided by 8 (a trigram) or 6 (the
      change line), a remainder of 0 counting as 8 or 6. The hour is the branch
      number of the time (11PM - 1AM is 1, 11AM - 1PM is 7); it is now&apos;s unless
      --date, --time or --period give another.
      Numbers 1 to 999999999. One number: outer from it, inner from the hour, line
      from both (rule inner-from-hour), or inner and line from it and the hour
      (inner-from-sum). Two: outer from A, inner from B, line from A + B
      (line-without-hour) or A + B + hour (line-with-hour; a measure in zhang and
      chi is cast so). Three: line from C (line-from-third) or A + B + C
      (line-from-sum). Example: --numbers 27 15 gives outer 27 mod 8 = 3 Fire,
      inner 15 mod 8 = 7 Mountain, change line (27 + 15) mod 6 = 0, so 6.
      Characters: Chinese characters only, others are left out. Two to ten: the
      first half (the smaller when odd) gives the outer, the rest the inner, all
      the line (halves); eleven or more count characters instead of strokes
      (count). One character by its two parts, radical and rest unless --count
      CHAR=L+R gives them (parts), or by its strokes and the hour
      (strokes-and-hour). --count CHAR=N sets a character&apos;s count. Example:
      --characters 天地人: 天 4 over 地 6 + 人 2 = 8, line 12 mod 6 = 0, so 6.
      Trigrams: 1 to 8, a name (li, 離), an image (fire, 火) or the direction of
      the later-heaven arrangement (south, 南); the line from outer + inner +
      hour, or as --line gives it. Example: --trigrams south north at 12:00
      gives 3 over 6, change line (3 + 6 + 7) mod 6 = 4.
</source>
        <translation>  zandrel cast --date YYYY-MM-DD (--period N | --time HH:MM) [--question TEXT]
               [--traditional] [--json] [--log] [--user-data] [--details]
               [--year-start lunar|lichun] [--zi-hour same-day|next-day]
               [--longitude DEG]
      显示公历日期起卦的结果：取日期的年、月、日和时辰 N（1 为子时 23–1 点，
      12 为亥时 21–23 点），或该时间所在的时辰。加 --traditional 则按农历
      日期和时辰起卦。--json 输出一个 JSON 对象，--log 同时把这一卦记入占问
      日志。日期范围为 1998-01-01 至 2099-12-31。
      --details 另显示起卦时刻的四柱和节气、各卦五行在月令中的旺衰、本卦、互卦、
      变卦各阶段的体用生克、互卦、错卦、综卦和应期；--json 总是包含这些内容。
      --year-start lunar|lichun、--zi-hour same-day|next-day 和 --longitude DEG
      （按东经 DEG 度的真太阳时）只在这一次取代设置文件中的取法；它们只改变
      这些细节，从不改变所起之卦。
  zandrel cast --numbers A [B [C]] [--rule RULE]
  zandrel cast --characters TEXT [--strokes modern|kangxi] [--count CHAR=N ...]
               [--rule RULE]
  zandrel cast --trigrams OUTER INNER [--line N]
               [--date YYYY-MM-DD] [--time HH:MM | --period N] [--question TEXT]
               [--json] [--log] [--user-data]
      以数起卦：每个值都是一个和，除以 8 得卦、除以 6 得动爻，余 0 作 8 或 6。
      时数为该时刻的地支序数（子时为 1，午时为 7）；默认取当前时刻，可用
      --date、--time 或 --period 另行指定。
      数字为 1 到 999999999。一个数：数为上卦，时为下卦，数加时取动爻（规则
      inner-from-hour），或数加时为下卦并取动爻（inner-from-sum）。两个数：A 为
      上卦，B 为下卦，A + B 取动爻（line-without-hour）或 A + B + 时取动爻
      （line-with-hour；丈尺占即用此法）。三个数：C 取动爻（line-from-third）或
      A + B + C 取动爻（line-from-sum）。例：--numbers 27 15 得上卦 27 ÷ 8 余 3 离，
      下卦 15 ÷ 8 余 7 艮，动爻 (27 + 15) ÷ 6 余 0，作 6。
      文字：只计汉字，其余不计。二到十字：前半（字数为奇时少一字）为上卦，其余为
      下卦，总笔画取动爻（halves）；十一字以上以字数代替笔画（count）。单字分两
      部分，默认部首与其余，可用 --count 字=左+右 指定（parts），或以笔画和时起卦
      （strokes-and-hour）。--count 字=N 指定一字的笔画。例：--characters 天地人：
      天 4 为上卦，地 6 + 人 2 = 8 为下卦，动爻 12 ÷ 6 余 0，作 6。
      卦象：1 到 8、卦名（li、离）、卦象（fire、火）或后天八卦的方位（south、南）；
      动爻取上卦数 + 下卦数 + 时数，或按 --line 所给。例：12:00 时 --trigrams
      south north 得上离下坎，动爻 (3 + 6 + 7) ÷ 6 余 4。
</translation>
    </message>
    <message>
        <source>give --year-start lunar or --year-start lichun</source>
        <translation>请给出 --year-start lunar 或 --year-start lichun</translation>
    </message>
    <message>
        <source>give --zi-hour same-day or --zi-hour next-day</source>
        <translation>请给出 --zi-hour same-day 或 --zi-hour next-day</translation>
    </message>
    <message>
        <source>give --longitude as degrees east, from -180 to 180 (116.4)</source>
        <translation>请以东经度数给出 --longitude，从 -180 到 180（如 116.4）</translation>
    </message>
    <message>
        <source>  zandrel lunar YYYY-MM-DD [HH:MM] [--json] [--year-start lunar|lichun]
               [--zi-hour same-day|next-day] [--longitude DEG]
      Prints the lunar date, and with a time its hour, the four pillars and the
      solar term in force, by the settings file&apos;s conventions or those given.
</source>
        <translation>  zandrel lunar YYYY-MM-DD [HH:MM] [--json] [--year-start lunar|lichun]
               [--zi-hour same-day|next-day] [--longitude DEG]
      显示农历日期；给出时间时，另显示时辰、四柱和当时的节气，按设置文件中的
      取法或所给的选项。
</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date: give YYYY-MM-DD</source>
        <translation>“%1”不是日期：请按 YYYY-MM-DD 给出</translation>
    </message>
    <message>
        <source>give --verdict true, partly, false or pending</source>
        <translation>请给出 --verdict true、partly、false 或 pending</translation>
    </message>
    <message>
        <source>no record &apos;%1&apos; in the case book, or more than one</source>
        <translation>占例簿中没有“%1”这条记录，或不止一条</translation>
    </message>
    <message>
        <source>Record:       %1</source>
        <translation>记录：    %1</translation>
    </message>
    <message>
        <source>Cast:         %1</source>
        <translation>起卦：    %1</translation>
    </message>
    <message>
        <source>Method:       %1</source>
        <translation>方法：    %1</translation>
    </message>
    <message>
        <source>Inputs:       %1</source>
        <translation>输入：    %1</translation>
    </message>
    <message>
        <source>Question:     %1</source>
        <translation>问题：    %1</translation>
    </message>
    <message>
        <source>Person:       %1</source>
        <translation>所问之人：%1</translation>
    </message>
    <message>
        <source>Tags:         %1</source>
        <translation>标签：    %1</translation>
    </message>
    <message>
        <source>Hexagrams:    %1</source>
        <translation>卦：      %1</translation>
    </message>
    <message>
        <source>Verdict:      %1</source>
        <translation>判断：    %1</translation>
    </message>
    <message>
        <source>Outcome date: %1</source>
        <translation>结果日期：%1</translation>
    </message>
    <message>
        <source>What happened: %1</source>
        <translation>结果：    %1</translation>
    </message>
    <message>
        <source>Notes:        %1</source>
        <translation>备注：    %1</translation>
    </message>
    <message>
        <source>%1: records %2, %3 came true, %4 partly, %5 did not, %6 not yet; came true: %7</source>
        <extracomment>%1 the method or &quot;All&quot;, %2 the records, then how many came true, partly, did not, are not judged yet, and the share that came true among those judged</extracomment>
        <translation>%1：%2 条记录，%3 条应验，%4 条部分应验，%5 条未应验，%6 条待定；应验比例：%7</translation>
    </message>
    <message>
        <source>All</source>
        <extracomment>All methods of casting together, in the statistics</extracomment>
        <translation>全部</translation>
    </message>
    <message>
        <source>give --format json, csv or md</source>
        <translation>请给出 --format json、csv 或 md</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 what went wrong</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file, %2 what went wrong</extracomment>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is neither an export of a case book (JSON) nor a query log</source>
        <translation>%1 既不是占例簿的导出文件（JSON），也不是占问日志</translation>
    </message>
    <message>
        <source>Added %1, updated %2, skipped %3.
</source>
        <translation>新增 %1 条，更新 %2 条，跳过 %3 条。
</translation>
    </message>
    <message>
        <source>give list, show, note, outcome, stats, export or import</source>
        <translation>请给出 list、show、note、outcome、stats、export 或 import</translation>
    </message>
    <message>
        <source>      The case book (casebook.sqlite), where every logged cast is kept with its
      inputs: lists its records newest first, shows one (ID may be its first
      characters), sets its notes or its outcome, counts how many came true,
      writes every record to FILE (or prints it), and merges an export or a
      query log (auvrel.log) into it. Each takes --user-data too.
</source>
        <translation>      占例簿（casebook.sqlite）保存每一次记入日志的起卦及其输入：按新到旧列出
      记录，显示其中一条（ID 可只给开头几个字符），填写备注或结果，统计应验的
      比例，把全部记录写入 FILE（或直接输出），并把导出文件或占问日志
      （auvrel.log）合并进来。每个子命令也接受 --user-data。
</translation>
    </message>
    <message>
        <source>give the record&apos;s id and the note</source>
        <translation>请给出记录的 ID 和备注</translation>
    </message>
    <message>
        <source>give the record&apos;s id</source>
        <translation>请给出记录的 ID</translation>
    </message>
    <message>
        <source>  zandrel journal note ID TEXT
</source>
        <translation>  zandrel journal note ID TEXT
</translation>
    </message>
    <message>
        <source>  zandrel journal outcome ID --verdict true|partly|false|pending [--date D]
                             [--what TEXT]
</source>
        <translation>  zandrel journal outcome ID --verdict true|partly|false|pending [--date D]
                             [--what TEXT]
</translation>
    </message>
    <message>
        <source>  zandrel journal export [--format json|csv|md] [FILE]
</source>
        <translation>  zandrel journal export [--format json|csv|md] [FILE]
</translation>
    </message>
    <message>
        <source>%1: record %2, at byte %3, is not a record of a case book; nothing was imported</source>
        <extracomment>%1 is the file, %2 the number of the record, %3 the byte of the file it starts at</extracomment>
        <translation>%1：第 %2 条记录（始于第 %3 字节）不是占例簿的记录；未导入任何记录</translation>
    </message>
    <message>
        <source>%1: record %2, at byte %3, is longer than %4 MiB; nothing was imported</source>
        <extracomment>%1 is the file, %2 the number of the record, %3 the byte of the file it starts at, %4 the most it may take in MiB</extracomment>
        <translation>%1：第 %2 条记录（始于第 %3 字节）超过 %4 MiB；未导入任何记录</translation>
    </message>
    <message>
        <source>%1: a text of record %2, at byte %3, is longer than %4 MiB; nothing was imported</source>
        <extracomment>%1 is the file, %2 the number of the record, %3 the byte of the file it starts at, %4 the most one text may take in MiB</extracomment>
        <translation>%1：第 %2 条记录（始于第 %3 字节）中有一段文字超过 %4 MiB；未导入任何记录</translation>
    </message>
    <message>
        <source>%1 ends too early, at byte %2 (whole records before it: %3); nothing was imported</source>
        <extracomment>%1 is the file, %2 the byte it ends at, %3 how many records came whole before</extracomment>
        <translation>%1 在第 %2 字节处提前结束（此前完整的记录：%3 条）；未导入任何记录</translation>
    </message>
    <message>
        <source>%1: what follows record %2, at byte %3, is not part of an export; nothing was imported</source>
        <extracomment>%1 is the file, %2 the number of the last record read, %3 the byte of the file where what follows it starts</extracomment>
        <translation>%1：第 %2 条记录之后（自第 %3 字节起）的内容不属于导出文件；未导入任何记录</translation>
    </message>
    <message>
        <source>give the file to import</source>
        <translation>请给出要导入的文件</translation>
    </message>
    <message>
        <source>  zandrel journal import FILE
</source>
        <translation>  zandrel journal import FILE
</translation>
    </message>
    <message>
        <source>  zandrel journal list [--search TEXT] [--tag T] [--method M] [--since DATE]
                       [--verdict V] [--json]
</source>
        <translation>  zandrel journal list [--search TEXT] [--tag T] [--method M] [--since DATE]
                       [--verdict V] [--json]
</translation>
    </message>
    <message>
        <source>  zandrel journal show ID [--json]
</source>
        <translation>  zandrel journal show ID [--json]
</translation>
    </message>
    <message>
        <source>  zandrel journal stats
</source>
        <translation>  zandrel journal stats
</translation>
    </message>
</context>
<context>
    <name>DateInputWords</name>
    <message>
        <source>there is no month %1</source>
        <translation>没有 %1 月</translation>
    </message>
    <message>
        <source>there is no day 0</source>
        <translation>没有 0 日</translation>
    </message>
    <message>
        <source>%1 %2 has %3 days</source>
        <extracomment>&quot;February 2023 has 28 days&quot;: the month&apos;s name, the year and its number of days</extracomment>
        <translation>%2 年%1共有 %3 天</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a date: write it as YYYY-MM-DD, for example 2024-02-10.</source>
        <translation>“%1”不是日期：请写成 YYYY-MM-DD，例如 2024-02-10。</translation>
    </message>
    <message>
        <source>%1 is outside the calendar, which runs from %2 to %3.</source>
        <translation>%1 超出历法的范围：历法自 %2 至 %3。</translation>
    </message>
    <message>
        <source>%1 does not exist: %2.</source>
        <translation>%1 不存在：%2。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a time: write it as HH:MM, from 00:00 to 23:59.</source>
        <translation>“%1”不是时间：请写成 HH:MM，从 00:00 到 23:59。</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>Disclaimer</source>
        <translation>免责声明</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Inner Trigram</source>
        <translation>内卦</translation>
    </message>
    <message>
        <source>Outer Trigram</source>
        <translation>外卦</translation>
    </message>
    <message>
        <source>Change Line</source>
        <translation>动爻</translation>
    </message>
    <message>
        <source>General Query</source>
        <translation>随机起卦</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>起卦</translation>
    </message>
    <message>
        <source>Target Time Query</source>
        <translation>公历日期起卦</translation>
    </message>
    <message>
        <source>Original Hexagram</source>
        <translation>本卦</translation>
    </message>
    <message>
        <source>Final Hexagram</source>
        <translation>变卦</translation>
    </message>
    <message>
        <source>View Log</source>
        <translation>查看日志</translation>
    </message>
    <message>
        <source>Delete Log</source>
        <translation>删除日志</translation>
    </message>
    <message>
        <source>View Text</source>
        <translation>查看卦爻辞</translation>
    </message>
    <message>
        <source>Manage Text</source>
        <translation>管理卦爻辞</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enter your question below:</source>
        <translation>请在下面输入您的问题：</translation>
    </message>
    <message>
        <source>Update Text</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Restore Text</source>
        <translation>恢复原文</translation>
    </message>
    <message>
        <source>Restore All Text</source>
        <translation>全部恢复原文</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Hexagram:</source>
        <translation>卦：</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Main Text:</source>
        <translation>卦辞：</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>初爻：</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>二爻：</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>三爻：</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>四爻：</translation>
    </message>
    <message>
        <source>Line 5:</source>
        <translation>五爻：</translation>
    </message>
    <message>
        <source>Line 6:</source>
        <translation>上爻：</translation>
    </message>
    <message>
        <source>Cast...</source>
        <translation>起卦...</translation>
    </message>
    <message>
        <source>Date (YYYY-MM-DD):</source>
        <translation>日期 (YYYY-MM-DD)：</translation>
    </message>
    <message>
        <source>Time (HH:MM):</source>
        <translation>时间 (HH:MM)：</translation>
    </message>
    <message>
        <source>Lunar Date and Hour</source>
        <translation>农历日期与时辰</translation>
    </message>
    <message>
        <source>About Zandrel</source>
        <translation>关于 Zandrel</translation>
    </message>
    <message>
        <source>Zandrel</source>
        <translation>Zandrel</translation>
    </message>
    <message>
        <source>Query Auvrel</source>
        <translation>向 Auvrel 提问</translation>
    </message>
    <message>
        <source>Auvrel Log</source>
        <translation>Auvrel 日志</translation>
    </message>
    <message>
        <source>Hexagram Text</source>
        <translation>卦爻辞</translation>
    </message>
    <message>
        <source>Manage Custom Hexagram Text</source>
        <translation>管理自定义卦爻辞</translation>
    </message>
    <message>
        <source>Traditional Time Query</source>
        <translation>年月日时起卦</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>起卦方式：</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>输入：</translation>
    </message>
    <message>
        <source>Strokes given:</source>
        <translation>自定笔画：</translation>
    </message>
    <message>
        <source>Strokes counted:</source>
        <translation>笔画计法：</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>规则：</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>算式</translation>
    </message>
    <message>
        <source>Cast from Counts</source>
        <translation>数字·文字·卦象起卦</translation>
    </message>
    <message>
        <source>Zandrel is for reflection on a question and for the study of the classical method of casting hexagrams.</source>
        <translation>Zandrel 供人就所问之事自省，并研习传统的起卦方法。</translation>
    </message>
    <message>
        <source>It gives no advice, medical, legal or financial, and its readings are not predictions to rely on.</source>
        <translation>不提供医疗、法律或财务建议；其解读并非可依赖的预测。</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later.</source>
        <translation>自由软件，依 GNU GPL 第 3 版或更新版本授权。</translation>
    </message>
    <message>
        <source>Year begins:</source>
        <translation>岁首：</translation>
    </message>
    <message>
        <source>Hour 23–24:</source>
        <translation>23–24 时：</translation>
    </message>
    <message>
        <source>Earth rules:</source>
        <translation>土旺：</translation>
    </message>
    <message>
        <source>Longitude (east):</source>
        <translation>经度（东经）：</translation>
    </message>
    <message>
        <source>empty: clock time</source>
        <translation>留空：钟表时间</translation>
    </message>
    <message>
        <source>Reading Details</source>
        <translation>断卦详情</translation>
    </message>
    <message>
        <source>Show in Main Window</source>
        <translation>在主窗口显示</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>删除...</translation>
    </message>
    <message>
        <source>Search:</source>
        <translation>搜索：</translation>
    </message>
    <message>
        <source>Verdict:</source>
        <translation>应验：</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>标签：</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>从：</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>至：</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Reading as it was shown:</source>
        <translation>当时显示的卦辞：</translation>
    </message>
    <message>
        <source>Inputs and conventions:</source>
        <translation>输入与约定：</translation>
    </message>
    <message>
        <source>Person:</source>
        <translation>所问之人：</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>标签：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>笔记：</translation>
    </message>
    <message>
        <source>Outcome date:</source>
        <translation>结果日期：</translation>
    </message>
    <message>
        <source>What happened:</source>
        <translation>实际情况：</translation>
    </message>
    <message>
        <source>Case Book</source>
        <translation>占例簿</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>No error occurred.</source>
        <translation>没有发生错误。</translation>
    </message>
    <message>
        <source>An unknown error occurred while accessing %1.</source>
        <translation>访问 %1 时发生未知错误。</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>找不到 %1。</translation>
    </message>
    <message>
        <source>%1 contains an invalid path.</source>
        <translation>%1 含有无效的路径。</translation>
    </message>
    <message>
        <source>%1 could not be opened because there are too many open files.</source>
        <translation>打开的文件过多，无法打开 %1。</translation>
    </message>
    <message>
        <source>Access to %1 was denied.</source>
        <translation>拒绝访问 %1。</translation>
    </message>
    <message>
        <source>An invalid file handle was associated with %1.</source>
        <translation>%1 关联了无效的文件句柄。</translation>
    </message>
    <message>
        <source>%1 could not be removed because it is the current directory.</source>
        <translation>%1 是当前目录，无法删除。</translation>
    </message>
    <message>
        <source>%1 could not be created because the directory is full.</source>
        <translation>目录已满，无法创建 %1。</translation>
    </message>
    <message>
        <source>Seek failed on %1</source>
        <translation>在 %1 中定位失败</translation>
    </message>
    <message>
        <source>A hardware I/O error was reported while accessing %1.</source>
        <translation>访问 %1 时报告了硬件 I/O 错误。</translation>
    </message>
    <message>
        <source>A sharing violation occurred while accessing %1.</source>
        <translation>访问 %1 时发生共享冲突。</translation>
    </message>
    <message>
        <source>A locking violation occurred while accessing %1.</source>
        <translation>访问 %1 时发生锁定冲突。</translation>
    </message>
    <message>
        <source>Disk full while accessing %1.</source>
        <translation>访问 %1 时磁盘已满。</translation>
    </message>
    <message>
        <source>An attempt was made to access %1 past its end.</source>
        <translation>试图越过 %1 的末尾进行访问。</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguageWords</name>
    <message>
        <source>unknown language &apos;%1&apos;: give %2</source>
        <extracomment>The language named on the command line, then the codes of those the program speaks</extracomment>
        <translation>未知语言“%1”：请给出 %2</translation>
    </message>
</context>
<context>
    <name>LogWords</name>
    <message>
        <source>[Your query on %1]</source>
        <translation>【提问于 %1】</translation>
    </message>
    <message>
        <source>[Auvrel&apos;s reply]</source>
        <translation>【Auvrel 的回复】</translation>
    </message>
    <message>
        <source>dddd, MMMM dd, yyyy HH:mm:ss</source>
        <extracomment>The time of a log entry as a QDateTime format: &quot;Friday, December 11, 2026 06:15:00&quot;</extracomment>
        <translation>yyyy年M月d日 dddd HH:mm:ss</translation>
    </message>
</context>
<context>
    <name>LunarWords</name>
    <message>
        <source>Year of the %1</source>
        <translation>生肖属%1</translation>
    </message>
    <message>
        <source>%1–%2 h</source>
        <extracomment>The clock hours of a two-hour period, on the 24-hour clock: &quot;23–1&quot;</extracomment>
        <translation>%1–%2 点</translation>
    </message>
    <message>
        <source>Year of the %1; hour %2: %3</source>
        <extracomment>The year&apos;s animal, then the hour by its earthly branch and its clock hours</extracomment>
        <translation>生肖属%1；%2时：%3</translation>
    </message>
    <message>
        <source>%1AM</source>
        <extracomment>An hour before noon on the 12-hour clock: &quot;11AM&quot;</extracomment>
        <translation>上午%1点</translation>
    </message>
    <message>
        <source>%1PM</source>
        <extracomment>An hour from noon on the 12-hour clock: &quot;1PM&quot;</extracomment>
        <translation>下午%1点</translation>
    </message>
    <message>
        <source>Year %1 (%2), leap month %3, day %4, hour %5 (%6)</source>
        <extracomment>A lunar date in a leap month and its hour: the year&apos;s stem and branch, its animal, the number of the month, the day of the month, the hour&apos;s earthly branch and its clock hours</extracomment>
        <translation>%1年（生肖属%2），闰%3月%4日，%5时（%6）</translation>
    </message>
    <message>
        <source>Year %1 (%2), month %3, day %4, hour %5 (%6)</source>
        <extracomment>A lunar date and its hour: the year&apos;s stem and branch, its animal, the number of the month, the day of the month, the hour&apos;s earthly branch and its clock hours</extracomment>
        <translation>%1年（生肖属%2），%3月%4日，%5时（%6）</translation>
    </message>
    <message>
        <source>Year %1 (%2), leap month %3, day %4</source>
        <extracomment>A lunar date in a leap month: the year&apos;s stem and branch, its animal, the number of the month and the day of the month</extracomment>
        <translation>%1年（生肖属%2），闰%3月%4日</translation>
    </message>
    <message>
        <source>Year %1 (%2), month %3, day %4</source>
        <extracomment>A lunar date: the year&apos;s stem and branch, its animal, the number of the month and the day of the month</extracomment>
        <translation>%1年（生肖属%2），%3月%4日</translation>
    </message>
    <message>
        <source>%1–%2</source>
        <extracomment>The clock hours of a two-hour period, from its first hour to its last: &quot;11PM–1AM&quot;</extracomment>
        <translation>%1至%2</translation>
    </message>
</context>
<context>
    <name>ReadingDetails</name>
    <message>
        <source>Year %1, month %2, day %3, hour %4</source>
        <extracomment>The four pillars of a moment, each a heavenly stem and an earthly branch: &quot;Year 癸卯, month 乙卯, day 己卯, hour 庚午&quot;</extracomment>
        <translation>%1年 %2月 %3日 %4时</translation>
    </message>
    <message>
        <source>%1, from %2; next: %3, %4</source>
        <extracomment>The solar term in force, the moment it began, and the next term with its moment: &quot;Spring Equinox (春分), from 2023-03-21 05:24; next: Pure Brightness (清明), 2023-04-05 09:13&quot;</extracomment>
        <translation>%1，始于 %2；下一节气：%3，%4</translation>
    </message>
    <message>
        <source>The moment</source>
        <extracomment>The heading of the moment of a reading, its four pillars and its solar term</extracomment>
        <translation>起卦时间</translation>
    </message>
    <message>
        <source>%1 (when cast)</source>
        <extracomment>The moment of a reading when it is the moment the cast was made: &quot;2024-02-10 12:00 (when cast)&quot;</extracomment>
        <translation>%1（起卦之时）</translation>
    </message>
    <message>
        <source>Date and time</source>
        <extracomment>The date and time a reading&apos;s pillars are counted from</extracomment>
        <translation>日期时间</translation>
    </message>
    <message>
        <source>Four pillars</source>
        <translation>四柱</translation>
    </message>
    <message>
        <source>outside the calendar (1998 to 2099)</source>
        <extracomment>The moment lies outside the years the calendar covers</extracomment>
        <translation>不在历法范围内（1998 至 2099 年）</translation>
    </message>
    <message>
        <source>True solar time</source>
        <translation>真太阳时</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The local apparent solar time of a reading and its difference from the clock in minutes and seconds: &quot;11:45 (-14:15)&quot;</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Solar term</source>
        <translation>节气</translation>
    </message>
    <message>
        <source>Strength in the season</source>
        <extracomment>The heading of the strength of each trigram&apos;s element in the season</extracomment>
        <translation>月令旺衰</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>月令</translation>
    </message>
    <message>
        <source>%1 (month %2, the days before a season&apos;s start)</source>
        <translation>%1（%2月，土旺用事）</translation>
    </message>
    <message>
        <source>%1 (month %2)</source>
        <translation>%1（%2月）</translation>
    </message>
    <message>
        <source>%1, %2 (body)</source>
        <translation>%1，%2（体）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Body and use at each stage</source>
        <extracomment>The heading of how use stands to the body in the original, nuclear and final hexagrams</extracomment>
        <translation>体用生克</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <extracomment>A trigram with its element and how it stands to the body: &quot;5 Wood: use controls body&quot;</extracomment>
        <translation>%1 %2：%3</translation>
    </message>
    <message>
        <source>Related hexagrams</source>
        <extracomment>The heading of the nuclear, opposite and reversed hexagrams</extracomment>
        <translation>互卦、错卦、综卦</translation>
    </message>
    <message>
        <source>Timing</source>
        <extracomment>The heading of the conditions of timing</extracomment>
        <translation>应期</translation>
    </message>
    <message>
        <source>Numbers</source>
        <extracomment>The numbers of the body and use trigrams in the earlier-heaven order: &quot;body 1, use 8&quot;</extracomment>
        <translation>卦数</translation>
    </message>
    <message>
        <source>body %1, use %2</source>
        <translation>体卦 %1，用卦 %2</translation>
    </message>
    <message>
        <source>Feeds the body</source>
        <extracomment>The element that feeds the body and the branches of the months and days it rules: &quot;Earth, in the months and days 丑辰未戌&quot;</extracomment>
        <translation>生体之行</translation>
    </message>
    <message>
        <source>%1, in the months and days %2</source>
        <translation>%1，应于 %2 之月日</translation>
    </message>
    <message>
        <source>Conventions</source>
        <extracomment>The heading of the conventions a reading&apos;s details follow</extracomment>
        <translation>取法</translation>
    </message>
    <message>
        <source>The year begins</source>
        <translation>岁首</translation>
    </message>
    <message>
        <source>at the lunar New Year</source>
        <translation>正月初一</translation>
    </message>
    <message>
        <source>at %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>23:00 to 24:00</source>
        <extracomment>The day to which the hour 23:00 to 24:00 belongs</extracomment>
        <translation>晚子时（23–24 点）</translation>
    </message>
    <message>
        <source>the same day</source>
        <translation>算当日</translation>
    </message>
    <message>
        <source>the next day</source>
        <translation>算次日</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间基准</translation>
    </message>
    <message>
        <source>true solar time at %1°</source>
        <translation>真太阳时，东经 %1°</translation>
    </message>
    <message>
        <source>the clock, as Beijing time</source>
        <translation>钟表时间，作北京时间</translation>
    </message>
    <message>
        <source>Earth rules</source>
        <translation>土旺</translation>
    </message>
    <message>
        <source>the months %1</source>
        <translation>%1 四月</translation>
    </message>
    <message>
        <source>the 18 days before each season&apos;s start</source>
        <translation>四立前十八日</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The heading of what a trigram stands for: &quot;Body: 1 Heaven&quot;
----------
A line of a reading&apos;s details: its label and its value</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Two trigrams of a stage, one after the other: &quot;2 Metal: use controls body; 5 Wood: same element&quot;</extracomment>
        <translation>%1；%2</translation>
    </message>
</context>
<context>
    <name>ReadingLabels</name>
    <message>
        <source>The body: the element the others are judged against</source>
        <translation>体：其余各卦与之论生克</translation>
    </message>
    <message>
        <source>%1: favourable</source>
        <translation>%1：有利</translation>
    </message>
    <message>
        <source>%1: unfavourable</source>
        <translation>%1：不利</translation>
    </message>
</context>
<context>
    <name>Trigrams</name>
    <message>
        <source>Heaven</source>
        <translation>乾</translation>
    </message>
    <message>
        <source>Lake</source>
        <translation>兑</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>离</translation>
    </message>
    <message>
        <source>Thunder</source>
        <translation>震</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>巽</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>坎</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>艮</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>坤</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>Outer trigram</source>
        <translation>外卦</translation>
    </message>
    <message>
        <source>Inner trigram</source>
        <translation>内卦</translation>
    </message>
    <message>
        <source>Original outer trigram</source>
        <translation>本卦外卦</translation>
    </message>
    <message>
        <source>Original inner trigram</source>
        <translation>本卦内卦</translation>
    </message>
    <message>
        <source>Upper nuclear trigram</source>
        <translation>互卦上卦</translation>
    </message>
    <message>
        <source>Lower nuclear trigram</source>
        <translation>互卦下卦</translation>
    </message>
    <message>
        <source>Final outer trigram</source>
        <translation>变卦外卦</translation>
    </message>
    <message>
        <source>Final inner trigram</source>
        <translation>变卦内卦</translation>
    </message>
    <message>
        <source>Rat</source>
        <extracomment>The animal of a year&apos;s earthly branch</extracomment>
        <translation>鼠</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>牛</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>虎</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>兔</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>龙</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>蛇</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>马</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>羊</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>猴</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>鸡</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>狗</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>猪</translation>
    </message>
    <message>
        <source>Jan</source>
        <extracomment>The entries of the month list of the target time query</extracomment>
        <translation>一月</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>五月</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>十二月</translation>
    </message>
    <message>
        <source>11PM - 1AM</source>
        <translation>子时 (23–1)</translation>
    </message>
    <message>
        <source>1AM - 3AM</source>
        <translation>丑时 (1–3)</translation>
    </message>
    <message>
        <source>3AM - 5AM</source>
        <translation>寅时 (3–5)</translation>
    </message>
    <message>
        <source>5AM - 7AM</source>
        <translation>卯时 (5–7)</translation>
    </message>
    <message>
        <source>7AM - 9AM</source>
        <translation>辰时 (7–9)</translation>
    </message>
    <message>
        <source>9AM - 11AM</source>
        <translation>巳时 (9–11)</translation>
    </message>
    <message>
        <source>11AM - 1PM</source>
        <translation>午时 (11–13)</translation>
    </message>
    <message>
        <source>1PM - 3-PM</source>
        <translation>未时 (13–15)</translation>
    </message>
    <message>
        <source>3PM - 5PM</source>
        <translation>申时 (15–17)</translation>
    </message>
    <message>
        <source>5PM - 7PM</source>
        <translation>酉时 (17–19)</translation>
    </message>
    <message>
        <source>7PM - 9PM</source>
        <translation>戌时 (19–21)</translation>
    </message>
    <message>
        <source>9PM - 11PM</source>
        <translation>亥时 (21–23)</translation>
    </message>
    <message>
        <source>January</source>
        <translation>一月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>二月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>三月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>四月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>六月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>七月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>八月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>九月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>十月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>十一月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>十二月</translation>
    </message>
</context>
<context>
    <name>zandrel::CAboutDlg</name>
    <message>
        <source>Zandrel Version %1</source>
        <translation>Zandrel 版本 %1</translation>
    </message>
</context>
<context>
    <name>zandrel::CCaseBookDlg</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Words in the question, the notes or the tags</source>
        <translation>问题、笔记或标签中的词语</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>方法</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>应验</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Cast from</source>
        <translation>起卦日期自</translation>
    </message>
    <message>
        <source>Cast until</source>
        <translation>起卦日期至</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>占例</translation>
    </message>
    <message>
        <source>Reading as it was shown</source>
        <translation>当时显示的卦辞</translation>
    </message>
    <message>
        <source>Inputs and conventions</source>
        <translation>输入与约定</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>所问之人</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Separated by commas</source>
        <translation>以逗号分隔</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>笔记</translation>
    </message>
    <message>
        <source>Outcome date</source>
        <translation>结果日期</translation>
    </message>
    <message>
        <source>Verdict of the record</source>
        <translation>此占例的应验</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>实际情况</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Records shown</source>
        <translation>显示的占例</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>Hexagrams</source>
        <translation>卦</translation>
    </message>
    <message>
        <source>%1, %2, hexagram %3 to %4, %5</source>
        <extracomment>How a screen reader names a record of the list: %1 the moment of the cast, %2 the question, %3 and %4 the original and final hexagram, %5 the verdict</extracomment>
        <translation>%1，%2，第%3卦变第%4卦，%5</translation>
    </message>
    <message>
        <source>All methods</source>
        <translation>全部方法</translation>
    </message>
    <message>
        <source>All verdicts</source>
        <translation>全部应验</translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation>共%1条</translation>
    </message>
    <message>
        <source>%1 of %2 records</source>
        <translation>%2条中的%1条</translation>
    </message>
    <message>
        <source>Dates are written YYYY-MM-DD.</source>
        <translation>日期格式为 YYYY-MM-DD。</translation>
    </message>
    <message>
        <source>Delete the record of “%1”? This cannot be undone.</source>
        <translation>删除“%1”的占例？此操作无法撤销。</translation>
    </message>
    <message>
        <source>Delete Record</source>
        <translation>删除占例</translation>
    </message>
    <message>
        <source>%1 or more of %2 records</source>
        <extracomment>While the records that pass the filters are being counted</extracomment>
        <translation>%2条中的至少%1条</translation>
    </message>
    <message>
        <source>%1 or more records</source>
        <translation>至少%1条</translation>
    </message>
    <message>
        <source>While you were writing in the record of “%1”, it was changed elsewhere (on the command line or in another copy of the program).</source>
        <translation>您在编辑“%1”这条占例时，它已在别处（命令行或另一个正在运行的本程序）被修改。</translation>
    </message>
    <message>
        <source>%1, yours:</source>
        <extracomment>%1 the name of a part of the record: Person, Tags, Notes or Outcome</extracomment>
        <translation>%1（您写的）：</translation>
    </message>
    <message>
        <source>%1, now in the case book:</source>
        <extracomment>%1 the name of a part of the record: Person, Tags, Notes or Outcome</extracomment>
        <translation>%1（占例簿中现有的）：</translation>
    </message>
    <message>
        <source>Keep yours, replacing what is now in the case book? The text you do not keep is copied to the clipboard.</source>
        <translation>保留您写的内容，替换占例簿中现有的吗？未保留的那一份会复制到剪贴板。</translation>
    </message>
    <message>
        <source>Changed Elsewhere</source>
        <translation>已在别处修改</translation>
    </message>
    <message>
        <source>The record of “%1” was deleted elsewhere, so what you wrote in it could not be saved:</source>
        <translation>“%1”这条占例已在别处被删除，您写入的内容无法保存：</translation>
    </message>
    <message>
        <source>Copy what you wrote to the clipboard?</source>
        <translation>把您写的内容复制到剪贴板吗？</translation>
    </message>
    <message>
        <source>Record Deleted</source>
        <translation>占例已删除</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>Before the text of one part of a record: %1 its name (Person, Tags, Notes...)</extracomment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Outcome</source>
        <extracomment>The verdict, the date and what happened of a record, as one</extracomment>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>zandrel::CCountCastDlg</name>
    <message>
        <source>Numbers</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Trigrams</source>
        <translation>卦象</translation>
    </message>
    <message>
        <source>Arithmetic</source>
        <translation>算式</translation>
    </message>
</context>
<context>
    <name>zandrel::CDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>还原(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Move</source>
        <translation>移动(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>大小(&amp;S)</translation>
    </message>
    <message>
        <source>Mi&amp;nimize</source>
        <translation>最小化(&amp;N)</translation>
    </message>
    <message>
        <source>Ma&amp;ximize</source>
        <translation>最大化(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Close	Alt+F4</source>
        <translation>关闭(&amp;C)	Alt+F4</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>请输入不超过 %1 个字符。</translation>
    </message>
</context>
<context>
    <name>zandrel::CHexTextDlg</name>
    <message>
        <source>Hexagram text</source>
        <translation>卦爻辞</translation>
    </message>
    <message>
        <source>Hexagram %1, %2</source>
        <extracomment>A hexagram button&apos;s accessible name: its number, then its title</extracomment>
        <translation>第 %1 卦，%2</translation>
    </message>
</context>
<context>
    <name>zandrel::CLogDlg</name>
    <message>
        <source>Query log</source>
        <translation>占问日志</translation>
    </message>
    <message>
        <source>[Older entries are in %1]</source>
        <translation>[更早的记录在 %1]</translation>
    </message>
</context>
<context>
    <name>zandrel::CMainDlg</name>
    <message>
        <source>&amp;Traditional Time Query...	Ctrl+T</source>
        <translation>年月日时起卦(&amp;T)...	Ctrl+T</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Two-hour period</source>
        <translation>时辰</translation>
    </message>
    <message>
        <source>Reading text</source>
        <translation>本次卦辞</translation>
    </message>
    <message>
        <source>Do you really want to delete the log file?</source>
        <translation>确定要删除日志文件吗？</translation>
    </message>
    <message>
        <source>Reset Log</source>
        <translation>删除日志</translation>
    </message>
    <message>
        <source>Cast from &amp;Counts...	Ctrl+K</source>
        <translation>数字·文字·卦象起卦(&amp;C)...	Ctrl+K</translation>
    </message>
    <message>
        <source>Reading &amp;Details...	Ctrl+D</source>
        <translation>断卦详情(&amp;D)...	Ctrl+D</translation>
    </message>
    <message>
        <source>Case &amp;Book...	Ctrl+B</source>
        <translation>占例簿(&amp;B)...	Ctrl+B</translation>
    </message>
</context>
<context>
    <name>zandrel::CManageTextDlg</name>
    <message>
        <source>Text updated.</source>
        <translation>已保存。</translation>
    </message>
    <message>
        <source>Update Text</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Default text restored.</source>
        <translation>已恢复原文。</translation>
    </message>
    <message>
        <source>Restore Text</source>
        <translation>恢复原文</translation>
    </message>
    <message>
        <source>Do you really want to remove all custom text and reset to default text?</source>
        <translation>确定要删除所有自定义卦爻辞并恢复原文吗？</translation>
    </message>
    <message>
        <source>Restore All Text</source>
        <translation>全部恢复原文</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>The texts of a custom hexagram text, named in the message that one is too long</extracomment>
        <translation>标题</translation>
    </message>
    <message>
        <source>Main Text</source>
        <translation>卦辞</translation>
    </message>
    <message>
        <source>Line 1</source>
        <translation>初爻</translation>
    </message>
    <message>
        <source>Line 2</source>
        <translation>二爻</translation>
    </message>
    <message>
        <source>Line 3</source>
        <translation>三爻</translation>
    </message>
    <message>
        <source>Line 4</source>
        <translation>四爻</translation>
    </message>
    <message>
        <source>Line 5</source>
        <translation>五爻</translation>
    </message>
    <message>
        <source>Line 6</source>
        <translation>上爻</translation>
    </message>
    <message>
        <source>%1 is too long to be stored: it takes %2 bytes, and a text may take at most %3 (a plain letter takes 1 byte, most other characters 2 to 4). Nothing was updated.</source>
        <translation>%1太长，无法保存：它占 %2 字节，而一段文字最多只能占 %3 字节（一个英文字母占 1 字节，其他大多数字符占 2 到 4 字节）。未保存。</translation>
    </message>
</context>
<context>
    <name>zandrel::CReadingDetailsDlg</name>
    <message>
        <source>Reading details</source>
        <translation>断卦详情</translation>
    </message>
    <message>
        <source>The settings could not be written to %1. The details follow the conventions chosen until Zandrel is closed.</source>
        <translation>无法将设置写入 %1。在关闭 Zandrel 之前，详情仍按所选的规则显示。</translation>
    </message>
    <message>
        <source>No reading yet. Cast one in the main window and its details show here.</source>
        <translation>尚未起卦。在主窗口起卦后，详情会显示在这里。</translation>
    </message>
</context>
<context>
    <name>zandrel::CTraditionalDlg</name>
    <message>
        <source>Lunar date and hour</source>
        <translation>农历日期与时辰</translation>
    </message>
</context>
</TS>
