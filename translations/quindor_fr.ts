<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CChurchYearBox</name>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="48"/>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="57"/>
        <source>%1 in the Gregorian calendar</source>
        <translation>le %1 dans le calendrier grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="58"/>
        <source>%1 in the Julian calendar</source>
        <translation>le %1 dans le calendrier julien</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="121"/>
        <source>; </source>
        <comment>between the items of a list</comment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="142"/>
        <location filename="../src/ui/ChurchYearBox.cpp" line="221"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="142"/>
        <location filename="../src/ui/ChurchYearBox.cpp" line="221"/>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="142"/>
        <location filename="../src/ui/ChurchYearBox.cpp" line="221"/>
        <source>Usage</source>
        <translation>Usage</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="212"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="212"/>
        <source>Latin name</source>
        <translation>Nom latin</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="212"/>
        <source>Meaning</source>
        <translation>Sens</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="213"/>
        <location filename="../src/ui/ChurchYearBox.cpp" line="222"/>
        <source>Double-click a day to display it</source>
        <translation>Double-cliquez sur un jour pour l&apos;afficher</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="214"/>
        <source>Date by &amp;feast</source>
        <translation>Dater par la &amp;fête</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="215"/>
        <source>Tuesday after Laetare 1523</source>
        <translation>mardi après Laetare 1523</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="315"/>
        <source>Warning for %1: %2.</source>
        <translation>Attention, pour le %1&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="342"/>
        <source>Not read</source>
        <translation>Non lu</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="360"/>
        <source> (the year %1 assumed: the text states none)</source>
        <translation> (année %1 supposée&#xa0;: le texte n’en donne pas)</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="373"/>
        <source>Sure.</source>
        <translation>Sûr.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="374"/>
        <source>Doubtful: %1.</source>
        <translation>Douteux&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="388"/>
        <source>No feast or saint is named %1. Nearest in the traditional list of saints (names in French): %2.</source>
        <translation>Aucune fête ni aucun saint ne s&apos;appelle %1. Les plus proches dans la liste traditionnelle des saints&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="402"/>
        <source>The text states no year, and the panel shows none.</source>
        <translation>Le texte ne donne pas d&apos;année, et le panneau n&apos;en montre aucune.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="465"/>
        <source>Date by feast</source>
        <translation>Dater par la fête</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="467"/>
        <source>%1 can mean more than one day. Choose the one to display.</source>
        <translation>%1 peut désigner plusieurs jours. Choisissez celui à afficher.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="223"/>
        <source>&amp;Display</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="61"/>
        <source>%1 is %2 by the Gregorian computus</source>
        <translation>%1 tombe le %2 selon le comput grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="62"/>
        <source>%1 is %2 by the Julian computus</source>
        <translation>%1 tombe le %2 selon le comput julien</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="63"/>
        <source>%1 is %2 in the Gregorian calendar</source>
        <translation>%1 tombe le %2 dans le calendrier grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="64"/>
        <source>%1 is %2 in the Julian calendar</source>
        <translation>%1 tombe le %2 dans le calendrier julien</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="356"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="351"/>
        <source>, so %1</source>
        <translation>, donc le %1</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="211"/>
        <source>&amp;Sundays and feasts of the church year, Advent to Advent</source>
        <translation>&amp;Dimanches et fêtes de l&apos;année liturgique, d&apos;un Avent à l&apos;autre</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="216"/>
        <source>A dating clause in Latin, German, French or English, typed or pasted whole: &quot;feria tertia post dominicam qua cantatur Oculi 1401&quot;, &quot;freitags nach Martini&quot;, &quot;le lundi après les Brandons 1316&quot;, &quot;the morrow of Martinmas 1400&quot;. Without a year, the panel&apos;s year. Enter reads it; Shift+Enter starts a new line.</source>
        <translation>Une formule de date en latin, en allemand, en français ou en anglais, tapée ou collée entière&#xa0;: «&#xa0;feria tertia post dominicam qua cantatur Oculi 1401&#xa0;», «&#xa0;freitags nach Martini&#xa0;», «&#xa0;le lundi après les Brandons 1316&#xa0;», «&#xa0;the morrow of Martinmas 1400&#xa0;». Sans année, celle du panneau. Entrée la lit&#xa0;; Maj+Entrée passe à la ligne.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="310"/>
        <source>%1 can mean more than one day; choose one below.</source>
        <translation>%1 peut désigner plusieurs jours&#xa0;; choisissez-en un ci-dessous.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="358"/>
        <source> (in the usage of %1)</source>
        <translation> (selon l&apos;usage de %1)</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="385"/>
        <source>Cannot read %1.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="385"/>
        <source>Cannot read the text.</source>
        <translation>Impossible de lire le texte.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="387"/>
        <source>No feast or saint is named %1.</source>
        <translation>Aucune fête ni aucun saint ne s&apos;appelle %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="392"/>
        <source>%1 names saints on different days: %2. Give a fuller name.</source>
        <translation>%1 désigne des saints fêtés des jours différents&#xa0;: %2. Donnez un nom plus complet.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="395"/>
        <source>That day fell in the days the reform skipped.</source>
        <translation>Ce jour tombe dans les jours que la réforme a sautés.</translation>
    </message>
    <message>
        <location filename="../src/ui/ChurchYearBox.cpp" line="397"/>
        <source>The day lies outside 4713 BC to AD 2999.</source>
        <translation>Ce jour est hors de 4713 av. J.-C. à 2999 apr. J.-C.</translation>
    </message>
</context>
<context>
    <name>CCopyFormatDialog</name>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="194"/>
        <source>Copy Format</source>
        <translation>Format de copie</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="195"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="196"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="197"/>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="199"/>
        <source>Separator</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="203"/>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="206"/>
        <source>Family-tree value</source>
        <translation>Valeur pour un arbre généalogique</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="207"/>
        <source>None: the forms above</source>
        <translation>Aucune&#xa0;: les formes ci-dessus</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="208"/>
        <source>Dual year</source>
        <translation>Double année</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="209"/>
        <source>As shown (1648/49)</source>
        <translation>Telle qu&apos;affichée (1648/49)</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="210"/>
        <source>Modern year (1649)</source>
        <translation>Année moderne (1649)</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="211"/>
        <source>Year of the style (1648)</source>
        <translation>Année du style (1648)</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="212"/>
        <source>After the date</source>
        <translation>Après la date</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="213"/>
        <source>Append the regnal year of England</source>
        <translation>Ajouter l&apos;année de règne en Angleterre</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="214"/>
        <source>Indiction</source>
        <translation>Indiction</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="215"/>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="216"/>
        <source>Roman (from 1 January)</source>
        <translation>Romaine (au 1er janvier)</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="217"/>
        <source>Greek (from 1 September)</source>
        <translation>Grecque (au 1er septembre)</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="218"/>
        <source>Bedan (from 24 September)</source>
        <translation>De Bède (au 24 septembre)</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="219"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="220"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="287"/>
        <source>Panel&apos;s day: %1</source>
        <translation>Jour du tableau&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/ui/CopyFormatDialog.cpp" line="292"/>
        <source>Today: %1</source>
        <translation>Aujourd&apos;hui&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CCountDaysDialog</name>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="388"/>
        <source>Count Days</source>
        <translation>Compter les jours</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="389"/>
        <source>Count &amp;in:</source>
        <translation>&amp;Compter dans&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="391"/>
        <source>Calendar in civil use</source>
        <translation>Calendrier en usage civil</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="395"/>
        <source>Years and months are counted in this calendar; in civil use, the Julian calendar before the reform day chosen for the Gregorian calendar, the Gregorian from it</source>
        <translation>Les années et les mois sont comptés dans ce calendrier&#xa0;; en usage civil, le calendrier julien avant le jour de réforme choisi pour le calendrier grégorien, le grégorien à partir de ce jour</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="397"/>
        <source>&amp;Between Two Days</source>
        <translation>&amp;Entre deux jours</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="398"/>
        <source>From an &amp;Age</source>
        <translation>D&apos;après un â&amp;ge</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="399"/>
        <location filename="../src/ui/CountDaysDialog.cpp" line="413"/>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="400"/>
        <source>Second day</source>
        <translation>Second jour</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="401"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="404"/>
        <source>Days:</source>
        <translation>Jours&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="405"/>
        <source>Weeks:</source>
        <translation>Semaines&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="406"/>
        <source>Years, months, days:</source>
        <translation>Années, mois, jours&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="407"/>
        <source>&amp;Show Second Day</source>
        <translation>Afficher le &amp;second jour</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="408"/>
        <source>&amp;Years:</source>
        <translation>&amp;Années&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="409"/>
        <source>&amp;Months:</source>
        <translation>&amp;Mois&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="410"/>
        <source>&amp;Days:</source>
        <translation>&amp;Jours&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="411"/>
        <source>Bor&amp;n before this day, with this age on it</source>
        <translation>&amp;Né avant ce jour, avec cet âge ce jour-là</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="412"/>
        <source>Rea&amp;ched after this day, by someone born on it</source>
        <translation>Atteint a&amp;près ce jour par une personne née ce jour-là</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="413"/>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="413"/>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="414"/>
        <source>Show &amp;First Day</source>
        <translation>Afficher le p&amp;remier jour</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="415"/>
        <source>Show &amp;Last Day</source>
        <translation>Afficher le &amp;dernier jour</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="416"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="458"/>
        <source>%1 weeks and %2 days</source>
        <translation>%1 semaines et %2 jours</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="459"/>
        <source>%1 years, %2 months and %3 days</source>
        <translation>%1 ans, %2 mois et %3 jours</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="463"/>
        <source>A day has no date in that calendar.</source>
        <translation>Un des jours n&apos;a pas de date dans ce calendrier.</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="481"/>
        <source>Give an age in years, months or days; the smallest part given is its precision.</source>
        <translation>Donnez un âge en années, en mois ou en jours&#xa0;; la plus petite partie donnée en fixe la précision.</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="490"/>
        <source>No day gives this age.</source>
        <translation>Aucun jour ne donne cet âge.</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="497"/>
        <source>One day: %1 %2.</source>
        <translation>Un seul jour&#xa0;: %1 %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="500"/>
        <source>%1 days, from %2 to %3.</source>
        <translation>%1 jours, du %2 au %3.</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="507"/>
        <source>More days would fit before the first supported day.</source>
        <translation>D&apos;autres jours conviendraient avant le premier jour pris en charge.</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="508"/>
        <source>More days would fit after the last supported day.</source>
        <translation>D&apos;autres jours conviendraient après le dernier jour pris en charge.</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="510"/>
        <source>Adar I and Adar II both become Adar in a common year: some days between may not give this age.</source>
        <translation>Adar I et Adar II deviennent tous deux Adar dans une année commune&#xa0;: certains jours entre les deux peuvent ne pas donner cet âge.</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="520"/>
        <source>Day number</source>
        <translation>Numéro de jour</translation>
    </message>
</context>
<context>
    <name>CDayPicker</name>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="208"/>
        <source>This row cannot read the text.</source>
        <translation>Cette ligne ne peut pas lire le texte.</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="219"/>
        <source>%1, day number %2</source>
        <translation>%1, jour numéro %2</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="226"/>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="227"/>
        <source>a date to read, as pasted into the row</source>
        <translation>une date à lire, comme collée dans la ligne</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="228"/>
        <source>Panel&apos;s Day</source>
        <translation>Jour du tableau</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="229"/>
        <source>Take the day the calendar panel shows</source>
        <translation>Prendre le jour affiché par le tableau des calendriers</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="143"/>
        <source>Count (1: the named day itself)</source>
        <translation>Compte (1&#xa0;: le jour nommé lui-même)</translation>
    </message>
    <message>
        <location filename="../src/ui/CountDaysDialog.cpp" line="143"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
</context>
<context>
    <name>CDialogParts</name>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="59"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>CElementsView</name>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="32"/>
        <source>Dominical letters (Julian)</source>
        <translation>Lettres dominicales (julien)</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="33"/>
        <source>The letters of the year&apos;s Sundays in the Julian calendar: A when 1 January is a Sunday, G when a Monday, and so back; a leap year has two, the second from 25 February.</source>
        <translation>Les lettres des dimanches de l&apos;année dans le calendrier julien&#xa0;: A quand le 1er janvier est un dimanche, G quand c&apos;est un lundi, et ainsi de suite à rebours&#xa0;; une année bissextile en a deux, la seconde à partir du 25 février.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="38"/>
        <source>Dominical letters (Gregorian)</source>
        <translation>Lettres dominicales (grégorien)</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="39"/>
        <source>The same letters for the Gregorian year, from 1583.</source>
        <translation>Les mêmes lettres pour l&apos;année grégorienne, à partir de 1583.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="40"/>
        <source>Golden number</source>
        <translation>Nombre d&apos;or</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="41"/>
        <source>The year&apos;s place in the 19-year lunar cycle: the year&apos;s remainder by 19, plus 1.</source>
        <translation>Le rang de l&apos;année dans le cycle lunaire de 19 ans&#xa0;: le reste de l&apos;année divisée par 19, plus 1.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="43"/>
        <source>Epact (Julian)</source>
        <translation>Épacte (julienne)</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="44"/>
        <source>The age of the moon on 22 March by the old computus: 0 (nullae) for golden number 1, then 11 more each year, modulo 30.</source>
        <translation>L&apos;âge de la lune au 22 mars selon l&apos;ancien comput&#xa0;: 0 (nullae) pour le nombre d&apos;or 1, puis 11 de plus chaque année, modulo 30.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="47"/>
        <source>Epact (Gregorian)</source>
        <translation>Épacte (grégorienne)</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="48"/>
        <source>The epact of the reformed calendar, corrected by the solar and lunar equations; &quot;25&quot; is reckoned as 26 when the golden number is above 11.</source>
        <translation>L&apos;épacte du calendrier réformé, corrigée par les équations solaire et lunaire&#xa0;; «&#xa0;25&#xa0;» compte pour 26 quand le nombre d&apos;or dépasse 11.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="51"/>
        <source>Concurrent</source>
        <translation>Concurrent</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="52"/>
        <source>The weekday of 24 March, counted from Sunday 1 to Saturday 7.</source>
        <translation>Le jour de la semaine du 24 mars, compté de 1 pour dimanche à 7 pour samedi.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="54"/>
        <source>Solar cycle</source>
        <translation>Cycle solaire</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="55"/>
        <source>The year&apos;s place in the 28-year cycle of weekdays: the remainder of the year plus 9 by 28, 0 read as 28.</source>
        <translation>Le rang de l&apos;année dans le cycle de 28 ans des jours de la semaine&#xa0;: le reste de l&apos;année plus 9 divisée par 28, 0 valant 28.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="58"/>
        <source>Indiction (Roman, from 1 January)</source>
        <translation>Indiction (romaine, au 1er janvier)</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="59"/>
        <source>The year&apos;s place in the 15-year cycle of indictions, changing on 1 January.</source>
        <translation>Le rang de l&apos;année dans le cycle de 15 ans des indictions, qui change au 1er janvier.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="61"/>
        <source>Indiction (Greek, from 1 September)</source>
        <translation>Indiction (grecque, au 1er septembre)</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="62"/>
        <source>The indiction changing on 1 September, four months ahead of the Roman one.</source>
        <translation>L&apos;indiction qui change au 1er septembre, quatre mois avant la romaine.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="64"/>
        <source>Indiction (Bedan, from 24 September)</source>
        <translation>Indiction (de Bède, au 24 septembre)</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="65"/>
        <source>The indiction changing on 24 September, as Bede reckoned it and English charters often did.</source>
        <translation>L&apos;indiction qui change au 24 septembre, comme la comptait Bède et souvent les chartes anglaises.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="67"/>
        <source>Year of the Julian Period</source>
        <translation>Année de la période julienne</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="68"/>
        <source>The year in Scaliger&apos;s 7980-year period that began in 4713 BC: the year plus 4713.</source>
        <translation>L&apos;année dans la période de 7980 ans de Scaliger, commencée en 4713 av. J.-C.&#xa0;: l&apos;année plus 4713.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="71"/>
        <source>Byzantine year</source>
        <translation>Année byzantine</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="72"/>
        <source>The year of the world of the Byzantine era: the year plus 5508, one more from 1 September.</source>
        <translation>L&apos;année du monde de l&apos;ère byzantine&#xa0;: l&apos;année plus 5508, une de plus à partir du 1er septembre.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="74"/>
        <source>Day of the year</source>
        <translation>Jour de l&apos;année</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="75"/>
        <source>The day&apos;s number counted from 1 January of its year.</source>
        <translation>Le rang du jour compté depuis le 1er janvier de son année.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="76"/>
        <source>ISO week</source>
        <translation>Semaine ISO</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="77"/>
        <source>The ISO 8601 week date of the Gregorian date: year, week from Monday, and weekday from 1 Monday to 7 Sunday.</source>
        <translation>La date en semaines ISO 8601 de la date grégorienne&#xa0;: année, semaine commençant le lundi, et jour de 1 pour lundi à 7 pour dimanche.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="80"/>
        <source>Regnal year (England)</source>
        <translation>Année de règne (Angleterre)</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="81"/>
        <source>The year of the reign in England as the king&apos;s clerks counted it, most reigns from the accession day; on the day of a demise both are named.</source>
        <translation>L&apos;année de règne en Angleterre telle que la comptaient les clercs du roi, le plus souvent depuis le jour de l&apos;avènement&#xa0;; le jour d&apos;un décès, les deux règnes sont nommés.</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="140"/>
        <source>Elements of the Year</source>
        <translation>Éléments de l&apos;année</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="141"/>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="141"/>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="176"/>
        <source>%1 %2 %3 (%4)</source>
        <translation>%1 %2 %3 (%4)</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="180"/>
        <source>Gregorian</source>
        <translation>grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/ElementsView.cpp" line="180"/>
        <source>Julian</source>
        <translation>julien</translation>
    </message>
</context>
<context>
    <name>CFeastsDialog</name>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="27"/>
        <source>Ash Wednesday</source>
        <translation>Mercredi des Cendres</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="28"/>
        <source>Easter</source>
        <translation>Pâques</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="29"/>
        <source>Ascension</source>
        <translation>Ascension</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="30"/>
        <source>Pentecost</source>
        <translation>Pentecôte</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="32"/>
        <source>Display Ash Wednesday day</source>
        <translation>Afficher le mercredi des Cendres</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="33"/>
        <source>Display Easter day</source>
        <translation>Afficher le jour de Pâques</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="34"/>
        <source>Display Ascension day</source>
        <translation>Afficher le jour de l&apos;Ascension</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="35"/>
        <source>Display Pentecost day</source>
        <translation>Afficher le jour de la Pentecôte</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="169"/>
        <source>Movable Christian Holy Days</source>
        <translation>Fêtes chrétiennes mobiles</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="170"/>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="178"/>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="180"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../src/ui/FeastsDialog.cpp" line="208"/>
        <source>No feasts for the year %1: years from %2 to %3 can be shown.</source>
        <translation>Pas de fêtes pour l’année %1&#xa0;: seules les années %2 à %3 peuvent être affichées.</translation>
    </message>
</context>
<context>
    <name>CGedcomCheckDialog</name>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="105"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="679"/>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="111"/>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="113"/>
        <source>Suggestion</source>
        <translation>Suggestion</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="115"/>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="328"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="450"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="783"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="792"/>
        <source>Check a family tree file</source>
        <translation>Vérifier un fichier d&apos;arbre généalogique</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="117"/>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="107"/>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="109"/>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="200"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="689"/>
        <source>Save a Repaired Copy</source>
        <translation>Enregistrer une copie réparée</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="204"/>
        <source>Export the List</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="205"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="329"/>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="336"/>
        <source>Save a &amp;Repaired Copy…</source>
        <translation>&amp;Enregistrer une copie réparée…</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="337"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="338"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="341"/>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="339"/>
        <source>Saves the lines shown, in their order, as a CSV file.</source>
        <translation>Enregistre les lignes affichées, dans leur ordre, dans un fichier CSV.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="340"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="342"/>
        <source>&amp;Show the Day</source>
        <translation>Afficher le &amp;jour</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="364"/>
        <source>not standard: see the suggestion</source>
        <translation>non standard&#xa0;: voir la suggestion</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="366"/>
        <source>dual year of the old style, read as Julian</source>
        <translation>double année de l&apos;ancien style, lue en julien</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="368"/>
        <source>extension calendar: right, no days</source>
        <translation>calendrier d&apos;extension&#xa0;: juste, sans jours</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="370"/>
        <source>not a date value</source>
        <translation>pas une date</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="372"/>
        <source>a phrase, no date</source>
        <translation>une phrase, pas de date</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="374"/>
        <source>no such day in its calendar</source>
        <translation>jour inexistant dans son calendrier</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="376"/>
        <source>outside the calendars&apos; range</source>
        <translation>hors des limites des calendriers</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="378"/>
        <source>dual year out of place</source>
        <translation>double année mal placée</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="380"/>
        <source>ends before it starts</source>
        <translation>finit avant de commencer</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="391"/>
        <source>nonstandard</source>
        <translation>non standard</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="393"/>
        <source>old style</source>
        <translation>ancien style</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="395"/>
        <source>extension</source>
        <translation>extension</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="397"/>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="399"/>
        <source>phrase</source>
        <translation>phrase</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="401"/>
        <source>no such day</source>
        <translation>jour inexistant</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="403"/>
        <source>outside the range</source>
        <translation>hors limites</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="405"/>
        <source>misplaced dual year</source>
        <translation>double année mal placée</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="407"/>
        <source>reversed</source>
        <translation>inversée</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="417"/>
        <source>correct</source>
        <translation>correcte</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="449"/>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="449"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="687"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="496"/>
        <source>%1: %2 date lines, %3 correct, %4 with problems, %5 right but worth knowing.</source>
        <translation>%1&#xa0;: %2 lignes de date, %3 correctes, %4 à problèmes, %5 justes mais à savoir.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="515"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="537"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="519"/>
        <source>Problems: %1.</source>
        <translation>Problèmes&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="519"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="521"/>
        <source>, </source>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="521"/>
        <source>Right but worth knowing: %1.</source>
        <translation>Justes mais à savoir&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="530"/>
        <source>All lines (%1)</source>
        <translation>Toutes les lignes (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="531"/>
        <source>Lines with problems (%1)</source>
        <translation>Lignes à problèmes (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="558"/>
        <source>Writes a copy of the file with each value that has a sure standard form replaced by it; the file itself is left as it is (Ctrl+S).</source>
        <translation>Écrit une copie du fichier où chaque valeur qui a une forme standard sûre est remplacée par elle&#xa0;; le fichier lui-même reste tel quel (Ctrl+S).</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="560"/>
        <source>Nothing to repair: no value of this file has a sure standard form.</source>
        <translation>Rien à réparer&#xa0;: aucune valeur de ce fichier n&apos;a de forme standard sûre.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="609"/>
        <source>The list cannot replace the file it lists (%1): choose another name.</source>
        <translation>La liste ne peut pas remplacer le fichier qu&apos;elle montre (%1)&#xa0;: choisissez un autre nom.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="627"/>
        <source>%1 written: %2 lines.</source>
        <translation>%1 écrit&#xa0;: %2 lignes.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="632"/>
        <source>Only the lines shown: %1.</source>
        <translation>Seulement les lignes affichées&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="633"/>
        <source>Every line of the list, none left out by the Show choice.</source>
        <translation>Toutes les lignes de la liste, aucune écartée par le choix Afficher.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="667"/>
        <source>A repaired copy cannot replace the file it repairs (%1): choose another name.</source>
        <translation>Une copie réparée ne peut pas remplacer le fichier qu&apos;elle répare (%1)&#xa0;: choisissez un autre nom.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="331"/>
        <source>Also make dates before %1 &amp;Julian</source>
        <translation>Rendre aussi &amp;juliennes les dates avant le %1</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="332"/>
        <source>For a file known to mean the old reckoning: the copy also gives the Julian escape to the dates before %1 that name no calendar, as the Suggestion column shows while this is ticked.</source>
        <translation>Pour un fichier dont on sait qu&apos;il compte à l&apos;ancienne&#xa0;: la copie donne aussi l&apos;échappement julien aux dates avant le %1 qui ne nomment aucun calendrier, comme le montre la colonne Suggestion tant que la case est cochée.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="382"/>
        <source>Gregorian before the reform of %1</source>
        <translation>grégorienne avant la réforme du %1</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="409"/>
        <source>Gregorian before %1</source>
        <translation>grégorienne avant le %1</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="679"/>
        <source>Old value</source>
        <translation>Ancienne valeur</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="680"/>
        <source>New value</source>
        <translation>Nouvelle valeur</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="687"/>
        <source>Writing %1…</source>
        <translation>Écriture de %1…</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="714"/>
        <source>%1 written: values replaced: %2.</source>
        <translation>%1 écrit&#xa0;: valeurs remplacées&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="719"/>
        <source>The changes are listed in %1.</source>
        <translation>Les changements sont listés dans %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="721"/>
        <source>The list of the changes could not be written beside it.</source>
        <translation>La liste des changements n&apos;a pas pu être écrite à côté.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="724"/>
        <source>Each replaced value keeps its old text in a PHRASE line.</source>
        <translation>Chaque valeur remplacée garde son ancien texte dans une ligne PHRASE.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="502"/>
        <source>The file is in ANSEL: its dates were read, its other texts were not.</source>
        <translation>Le fichier est en ANSEL&#xa0;: ses dates ont été lues, ses autres textes non.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="504"/>
        <source>The list keeps the first %1 correct lines and the first %2 lines with problems; the counts cover the whole file.</source>
        <translation>La liste garde les %1 premières lignes correctes et les %2 premières lignes à problèmes&#xa0;; les nombres couvrent tout le fichier.</translation>
    </message>
    <message>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="201"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="784"/>
        <location filename="../src/ui/GedcomCheckDialog.cpp" line="793"/>
        <source>GEDCOM files (*.ged *.GED);;All files (*)</source>
        <translation>Fichiers GEDCOM (*.ged *.GED);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>CHelpWindow</name>
    <message>
        <location filename="../src/ui/HelpWindow.cpp" line="140"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location filename="../src/ui/HelpWindow.cpp" line="141"/>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <location filename="../src/ui/HelpWindow.cpp" line="142"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <location filename="../src/ui/HelpWindow.cpp" line="159"/>
        <source>Quindor Help</source>
        <translation>Aide de Quindor</translation>
    </message>
    <message>
        <location filename="../src/ui/HelpWindow.cpp" line="161"/>
        <source>%1 – Quindor Help</source>
        <translation>%1 – Aide de Quindor</translation>
    </message>
</context>
<context>
    <name>CListDateDialog</name>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="159"/>
        <source>Export the Dated List</source>
        <translation>Exporter la liste datée</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="160"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="282"/>
        <location filename="../src/ui/ListDateDialog.cpp" line="300"/>
        <location filename="../src/ui/ListDateDialog.cpp" line="494"/>
        <location filename="../src/ui/ListDateDialog.cpp" line="678"/>
        <source>Date a List</source>
        <translation>Dater une liste</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="283"/>
        <location filename="../src/ui/ListDateDialog.cpp" line="679"/>
        <source>Lists (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Listes (*.csv *.tsv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="301"/>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="302"/>
        <source>&amp;Clause column:</source>
        <translation>Colonne des &amp;formules&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="303"/>
        <source>&amp;Year column:</source>
        <translation>Colonne des a&amp;nnées&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="304"/>
        <source>or &amp;fixed year:</source>
        <translation>ou année fix&amp;e&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="305"/>
        <location filename="../src/ui/ListDateDialog.cpp" line="356"/>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="306"/>
        <source>The year of the clauses that state none and whose row gives none</source>
        <translation>L&apos;année des formules qui n&apos;en donnent pas et dont la ligne n&apos;en donne pas</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="307"/>
        <source>&amp;Reckoning:</source>
        <translation>Com&amp;put&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="308"/>
        <source>Calendar in civil use (as the panel)</source>
        <translation>Calendrier en usage civil (comme le tableau)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="309"/>
        <source>Julian</source>
        <translation>Julien</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="310"/>
        <source>Gregorian</source>
        <translation>Grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="311"/>
        <source>Year &amp;began on:</source>
        <translation>L&apos;année &amp;commençait le&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="313"/>
        <source>1 January</source>
        <translation>1er janvier</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="314"/>
        <source>25 March, after 1 January (Annunciation)</source>
        <translation>25 mars, après le 1er janvier (Annonciation)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="315"/>
        <source>25 March, before 1 January (Pisan)</source>
        <translation>25 mars, avant le 1er janvier (style pisan)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="316"/>
        <source>25 December (Nativity)</source>
        <translation>25 décembre (Nativité)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="317"/>
        <source>1 March (Venetian)</source>
        <translation>1er mars (style vénitien)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="318"/>
        <source>Easter</source>
        <translation>Pâques</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="322"/>
        <source>&amp;Date the List</source>
        <translation>&amp;Dater la liste</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="323"/>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="324"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="325"/>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="326"/>
        <source>Saves every row with its dated columns as a CSV file.</source>
        <translation>Enregistre chaque ligne avec ses colonnes datées dans un fichier CSV.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="327"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="358"/>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="387"/>
        <source>%1 is empty: it has no header line.</source>
        <translation>%1 est vide&#xa0;: il n&apos;a pas de ligne d&apos;en-tête.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="389"/>
        <source>The window keeps the first %1 rows of %2; quindor-cli feastdate --list dates longer lists.</source>
        <translation>La fenêtre garde les %1 premières lignes de %2&#xa0;; quindor-cli feastdate --list date les listes plus longues.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="394"/>
        <source>%1: cannot read on from line %2.</source>
        <translation>%1&#xa0;: impossible de lire au-delà de la ligne %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="397"/>
        <source>%1: line %2 holds a NUL byte, so this is no text file.</source>
        <translation>%1&#xa0;: la ligne %2 contient un octet NUL, ce n&apos;est donc pas un fichier texte.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="400"/>
        <source>%1 is UTF-16: save it as UTF-8 or Windows-1252.</source>
        <translation>%1 est en UTF-16&#xa0;: enregistrez-le en UTF-8 ou en Windows-1252.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="403"/>
        <source>%1: the row at line %2 is longer than 1 MiB.</source>
        <translation>%1&#xa0;: la ligne %2 dépasse 1 Mio.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="406"/>
        <source>%1: the file ends inside the quoted field of the row at line %2 (cut short?).</source>
        <translation>%1&#xa0;: le fichier finit dans le champ entre guillemets de la ligne %2 (tronqué&#xa0;?).</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="417"/>
        <source>The %1 rows before it are listed.</source>
        <translation>Les %1 lignes d&apos;avant sont affichées.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="492"/>
        <source>Dating %1…</source>
        <translation>Datation de %1…</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="492"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="554"/>
        <source>All rows (%1)</source>
        <translation>Toutes les lignes (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="557"/>
        <source>Sure (%1)</source>
        <translation>Sûres (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="557"/>
        <source>Doubtful (%1)</source>
        <translation>Douteuses (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="558"/>
        <source>Several days (%1)</source>
        <translation>À plusieurs jours (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="558"/>
        <source>Refused (%1)</source>
        <translation>Refusées (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="562"/>
        <source>To review: doubtful and refused (%1)</source>
        <translation>À revoir&#xa0;: douteuses et refusées (%1)</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="594"/>
        <source>%1: %2 rows. Choose the clause column, then date the list.</source>
        <translation>%1&#xa0;: %2 lignes. Choisissez la colonne des formules, puis datez la liste.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="598"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="647"/>
        <source>The dated list cannot replace the list it dates (%1): choose another name.</source>
        <translation>La liste datée ne peut pas remplacer la liste qu&apos;elle date (%1)&#xa0;: choisissez un autre nom.</translation>
    </message>
    <message>
        <location filename="../src/ui/ListDateDialog.cpp" line="670"/>
        <source>%1 written: %2 rows.</source>
        <translation>%1 écrit&#xa0;: %2 lignes.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="152"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="153"/>
        <source>&amp;Freeze the Position</source>
        <translation>&amp;Figer la position</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="154"/>
        <source>Always on &amp;Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="155"/>
        <source>&amp;Check a family tree file…</source>
        <translation>&amp;Vérifier un fichier d&apos;arbre généalogique…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="166"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="168"/>
        <source>from &amp;Gregorian</source>
        <translation>du calendrier &amp;grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="169"/>
        <source>from &amp;Julian</source>
        <translation>du calendrier &amp;julien</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="170"/>
        <source>from Julian with R&amp;oman Style</source>
        <translation>du julien à la r&amp;omaine</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="171"/>
        <source>from &amp;French Republican</source>
        <translation>du calendrier &amp;républicain</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="172"/>
        <source>from J&amp;ewish</source>
        <translation>du calendrier &amp;hébraïque</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="173"/>
        <source>from &amp;Muslim</source>
        <translation>du calendrier &amp;musulman</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="174"/>
        <source>to &amp;Gregorian</source>
        <translation>dans le calendrier &amp;grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="175"/>
        <source>to &amp;Julian</source>
        <translation>dans le calendrier &amp;julien</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="176"/>
        <source>to Julian with R&amp;oman Style</source>
        <translation>dans le julien à la r&amp;omaine</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="177"/>
        <source>to &amp;French Republican</source>
        <translation>dans le calendrier &amp;républicain</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="178"/>
        <source>to J&amp;ewish</source>
        <translation>dans le calendrier &amp;hébraïque</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="179"/>
        <source>to &amp;Muslim</source>
        <translation>dans le calendrier &amp;musulman</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="180"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="181"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="182"/>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <location filename="../src/ui/Icons.cpp" line="751"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="157"/>
        <source>&amp;Recent Family-Tree Files</source>
        <translation>Fichiers d&apos;arbre &amp;récents</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="160"/>
        <source>Date a &amp;List…</source>
        <translation>Dater une &amp;liste…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="162"/>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="163"/>
        <source>Print Pre&amp;view…</source>
        <translation>Aperçu a&amp;vant impression…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="164"/>
        <source>Save as P&amp;DF…</source>
        <translation>Enregistrer en P&amp;DF…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="196"/>
        <source>Copy &amp;Format…</source>
        <translation>&amp;Format de copie…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="201"/>
        <source>&amp;Display</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="202"/>
        <source>&amp;Tool Bar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="204"/>
        <source>&amp;Gregorian Calendar</source>
        <translation>Calendrier &amp;grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="205"/>
        <source>&amp;Julian Calendar</source>
        <translation>Calendrier &amp;julien</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="206"/>
        <source>Julian with R&amp;oman Style Calendar</source>
        <translation>Calendrier julien à la r&amp;omaine</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="207"/>
        <source>&amp;French Republican Calendar</source>
        <translation>Calendrier &amp;républicain</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="208"/>
        <source>J&amp;ewish Calendar</source>
        <translation>Calendrier &amp;hébraïque</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="209"/>
        <source>&amp;Muslim Calendar</source>
        <translation>Calendrier &amp;musulman</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="214"/>
        <source>&amp;Republican Feast Days</source>
        <translation>&amp;Fêtes républicaines</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="215"/>
        <source>Mont&amp;h</source>
        <translation>Mo&amp;is</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="218"/>
        <source>Elements of the &amp;Year</source>
        <translation>Éléments de l&apos;&amp;année</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="221"/>
        <source>&amp;Saints&apos; Days</source>
        <translation>&amp;Saints du jour</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="222"/>
        <source>&amp;No</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="222"/>
        <source>&amp;Gregorian</source>
        <translation>&amp;Grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="223"/>
        <source>&amp;Julian</source>
        <translation>&amp;Julien</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="223"/>
        <source>&amp;Automatic</source>
        <translation>A&amp;utomatique</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="230"/>
        <source>Traditional Dates</source>
        <translation>Dates traditionnelles</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="231"/>
        <source>Present Dates</source>
        <translation>Dates actuelles</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="239"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="240"/>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="240"/>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="241"/>
        <source>&amp;Français</source>
        <translation>&amp;Français</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="254"/>
        <source>D&amp;ates</source>
        <translation>Da&amp;tes</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="255"/>
        <source>&amp;Today</source>
        <translation>&amp;Aujourd&apos;hui</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="259"/>
        <source>&amp;Previous Day</source>
        <translation>Jour &amp;précédent</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="262"/>
        <source>&amp;Next Day</source>
        <translation>Jour s&amp;uivant</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="267"/>
        <source>&amp;Back</source>
        <translation>Re&amp;culer</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="268"/>
        <source>&amp;Forward</source>
        <translation>A&amp;vancer</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="272"/>
        <source>Beginning of &amp;Gregorian Calendar…</source>
        <translation>Début du calendrier &amp;grégorien…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="274"/>
        <source>&amp;Movable Christian Holy Days…</source>
        <translation>Fêtes chrétiennes &amp;mobiles…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="276"/>
        <source>&amp;Saints&apos; Days…</source>
        <translation>Fêtes des &amp;saints…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="279"/>
        <source>&amp;Count Days…</source>
        <translation>&amp;Compter les jours…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="283"/>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d’aide</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="285"/>
        <source>&amp;About Quindor…</source>
        <translation>À &amp;propos de Quindor…</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="300"/>
        <source>%1 is no longer there: it is taken off the recent family-tree files.</source>
        <translation>%1 n&apos;existe plus&#xa0;: il est retiré des fichiers d&apos;arbre récents.</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="841"/>
        <source>&lt;p&gt;&lt;b&gt;Quindor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;A perpetual calendar: one day at once in the Gregorian, Julian, Roman-style Julian, French Republican, Jewish and Muslim calendars, from 25 November 4714 BC to 31 December 2999.&lt;/p&gt;&lt;p&gt;Press F1 in the window, or choose &lt;i&gt;Help Topics&lt;/i&gt;, for the manual.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Quindor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Un calendrier perpétuel&#xa0;: un même jour à la fois dans les calendriers grégorien, julien, julien à la romaine, républicain, hébraïque et musulman, du 25&#xa0;novembre 4714 av. J.-C. au 31&#xa0;décembre 2999.&lt;/p&gt;&lt;p&gt;Appuyez sur F1 dans la fenêtre, ou choisissez &lt;i&gt;Rubriques d’aide&lt;/i&gt;, pour lire le manuel.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="282"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="342"/>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="343"/>
        <source>Previous Day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="344"/>
        <source>Next Day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="346"/>
        <source>Beginning of Gregorian Calendar</source>
        <translation>Début du calendrier grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="347"/>
        <source>Movable Christian Holy Days</source>
        <translation>Fêtes chrétiennes mobiles</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="348"/>
        <source>Saints&apos; Days</source>
        <translation>Fêtes des saints</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="350"/>
        <source>Help Topics</source>
        <translation>Rubriques d’aide</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="840"/>
        <source>About Quindor</source>
        <translation>À propos de Quindor</translation>
    </message>
    <message>
        <location filename="../src/ui/MainFrame.cpp" line="385"/>
        <source>Tool Bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
</context>
<context>
    <name>CMonthView</name>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="150"/>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="155"/>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="156"/>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="162"/>
        <source>Under each day, its first saint.&lt;br&gt;%1 movable feast&lt;br&gt;%2 first day of the reform</source>
        <translation>Sous chaque jour, son premier saint.&lt;br&gt;%1 fête mobile&lt;br&gt;%2 premier jour de la réforme</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="218"/>
        <source>The first day of the Gregorian calendar</source>
        <translation>Le premier jour du calendrier grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="246"/>
        <source>Julian, then Gregorian</source>
        <translation>julien, puis grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="247"/>
        <source>Gregorian</source>
        <translation>grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="248"/>
        <source>Julian</source>
        <translation>julien</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="252"/>
        <source>%1 %2 (%3)</source>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="256"/>
        <source>The reform skipped %1 %2.</source>
        <translation>La réforme a sauté le %1 %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="257"/>
        <source>The reform skipped %1 to %2 %3.</source>
        <translation>La réforme a sauté du %1 au %2 %3.</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="284"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/ui/MonthView.cpp" line="287"/>
        <source>Day number: %1</source>
        <translation>Numéro de jour&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CPanelIcons</name>
    <message>
        <location filename="../src/ui/Icons.cpp" line="741"/>
        <source>Gregorian calendar in civil use</source>
        <translation>Calendrier grégorien en usage civil</translation>
    </message>
    <message>
        <location filename="../src/ui/Icons.cpp" line="743"/>
        <source>Julian calendar in civil use</source>
        <translation>Calendrier julien en usage civil</translation>
    </message>
</context>
<context>
    <name>CQuindorView</name>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="217"/>
        <source>the year of the old style</source>
        <translation>l&apos;année de l&apos;ancien style</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="218"/>
        <source>the year counted from 1 January</source>
        <translation>l&apos;année comptée depuis le 1er janvier</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="219"/>
        <source>after Easter</source>
        <translation>après Pâques</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="219"/>
        <source>before Easter</source>
        <translation>avant Pâques</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="247"/>
        <source>Gregorian calendar</source>
        <translation>Calendrier grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="249"/>
        <source>Julian calendar</source>
        <translation>Calendrier julien</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="251"/>
        <source>Julian calendar (Roman style)</source>
        <translation>Calendrier julien (à la romaine)</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="253"/>
        <source>Republican calendar</source>
        <translation>Calendrier républicain</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="255"/>
        <source>Simulated republican calendar</source>
        <translation>Calendrier républicain simulé</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="257"/>
        <source>Jewish calendar</source>
        <translation>Calendrier hébraïque</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="259"/>
        <source>Muslim calendar</source>
        <translation>Calendrier musulman</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="514"/>
        <source>There is no year 0: the year before 1 is -1</source>
        <translation>Il n&apos;y a pas d&apos;an 0&#xa0;: l&apos;année avant 1 est -1</translation>
    </message>
    <message>
        <location filename="../src/ui/QuindorView.cpp" line="506"/>
        <source>%1: these fields make no date; the other rows wait until they are put right.</source>
        <translation>%1&#xa0;: ces champs ne forment aucune date&#xa0;; les autres lignes attendent qu&apos;ils soient corrigés.</translation>
    </message>
</context>
<context>
    <name>CReformDialog</name>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="196"/>
        <source>Beginning of Gregorian Calendar</source>
        <translation>Début du calendrier grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="197"/>
        <source>Display the beginning date</source>
        <translation>Afficher la date de début</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="199"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="200"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="201"/>
        <source>&amp;Year began on</source>
        <translation>L&apos;&amp;année commençait le</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="202"/>
        <source>u&amp;ntil the end of</source>
        <translation>&amp;jusqu&apos;à la fin de</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="203"/>
        <source>no end</source>
        <translation>sans fin</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="205"/>
        <source>1 January</source>
        <translation>1er janvier</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="206"/>
        <source>25 March, after 1 January (Annunciation)</source>
        <translation>25 mars, après le 1er janvier (Annonciation)</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="207"/>
        <source>25 March, before 1 January (Pisan)</source>
        <translation>25 mars, avant le 1er janvier (style pisan)</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="208"/>
        <source>25 December (Nativity)</source>
        <translation>25 décembre (Nativité)</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="209"/>
        <source>1 March (Venetian)</source>
        <translation>1er mars (style vénitien)</translation>
    </message>
    <message>
        <location filename="../src/ui/ReformDialog.cpp" line="210"/>
        <source>Easter</source>
        <translation>Pâques</translation>
    </message>
</context>
<context>
    <name>CSaintsDialog</name>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="154"/>
        <source>Saints&apos; Days</source>
        <translation>Fêtes des saints</translation>
    </message>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="155"/>
        <source>Saint&apos;s &amp;name:</source>
        <translation>&amp;Nom du saint&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="156"/>
        <source>a name, e.g. Geneviève or Genevieve</source>
        <translation>un nom, par exemple Geneviève ou Genevieve</translation>
    </message>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="157"/>
        <source>Saints found</source>
        <translation>Saints trouvés</translation>
    </message>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="158"/>
        <source>Display the date in Gregorian calendar</source>
        <translation>Afficher la date dans le calendrier grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="159"/>
        <source>Display the date in Julian calendar</source>
        <translation>Afficher la date dans le calendrier julien</translation>
    </message>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="160"/>
        <source>Traditional dates</source>
        <translation>Dates traditionnelles</translation>
    </message>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="161"/>
        <source>Present dates</source>
        <translation>Dates actuelles</translation>
    </message>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="162"/>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location filename="../src/ui/SaintsDialog.cpp" line="163"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="126"/>
        <source>The Republican calendar begins on %1.</source>
        <translation>Le calendrier républicain commence le %1.</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="129"/>
        <source>The Jewish calendar begins on %1 (Julian calendar).</source>
        <translation>Le calendrier juif commence le %1 (calendrier julien).</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="133"/>
        <source>The Muslim row shows no date before %1 (Gregorian calendar).</source>
        <translation>La ligne musulmane ne montre aucune date avant le %1 (calendrier grégorien).</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="150"/>
        <source>Nothing to copy: the row is blank on this day.</source>
        <translation>Rien à copier&#xa0;: la ligne est vide ce jour-là.</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="152"/>
        <source>Nothing to copy: the row is blank. %1</source>
        <translation>Rien à copier&#xa0;: la ligne est vide. %1</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="159"/>
        <source>Nothing to copy: the row holds no valid date.</source>
        <translation>Rien à copier&#xa0;: la ligne ne contient pas de date valide.</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="217"/>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="229"/>
        <source>The clipboard holds more text than any date.</source>
        <translation>Le presse-papiers contient plus de texte que toute date.</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="231"/>
        <source>The clipboard holds no text to paste.</source>
        <translation>Le presse-papiers ne contient aucun texte à coller.</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="183"/>
        <source>that day and month do not occur in that year as the year-start style counts it</source>
        <translation>ce jour et ce mois n&apos;existent pas dans cette année selon le style du début d&apos;année</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="118"/>
        <source>“%1” read as an Old Style (Julian) date</source>
        <translation>«&#xa0;%1&#xa0;» lu comme une date de l&apos;ancien style (julien)</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="188"/>
        <source>a year or a month alone names no day</source>
        <translation>une année ou un mois seul ne désigne aucun jour</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="191"/>
        <source>a family-tree range or period names no single day</source>
        <translation>un intervalle ou une période d&apos;arbre généalogique ne désigne aucun jour précis</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="195"/>
        <source>a dual year out of its place spans years, not one day</source>
        <translation>une double année hors de sa place couvre des années, pas un jour</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="199"/>
        <source>its month has no such day</source>
        <translation>son mois n&apos;a pas ce jour</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="202"/>
        <source>the day is outside the range of this calendar</source>
        <translation>le jour est hors des limites de ce calendrier</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="209"/>
        <source>Gregorian</source>
        <translation>grégorienne</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="209"/>
        <source>Julian</source>
        <translation>julienne</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="210"/>
        <source>Roman-style</source>
        <translation>julienne à la romaine</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="210"/>
        <source>Republican</source>
        <translation>républicaine</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="211"/>
        <source>Jewish</source>
        <translation>juive</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="211"/>
        <source>Muslim</source>
        <translation>musulmane</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="214"/>
        <source>a date of the %1 row, not of this one</source>
        <translation>une date de la ligne %1, pas de celle-ci</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="216"/>
        <source>not a date of any row</source>
        <translation>aucune ligne n&apos;y lit une date</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="243"/>
        <source>The clipboard holds “%1”: %2.</source>
        <translation>Le presse-papiers contient «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="253"/>
        <source>The text is longer than any date.</source>
        <translation>Le texte est plus long que toute date.</translation>
    </message>
    <message>
        <location filename="../src/ui/Clipboard.cpp" line="256"/>
        <source>This row cannot read the text: %1.</source>
        <translation>Cette ligne ne peut pas lire le texte&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>YearPrint</name>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="50"/>
        <source>Julian calendar</source>
        <translation>Calendrier julien</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="52"/>
        <source>Gregorian calendar</source>
        <translation>Calendrier grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="54"/>
        <source>Civil calendar, Gregorian from %1 %2 %3</source>
        <translation>Calendrier civil, grégorien depuis le %1 %2 %3</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="63"/>
        <source>Dominical letters</source>
        <translation>Lettres dominicales</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="64"/>
        <source>Golden number</source>
        <translation>Nombre d’or</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="65"/>
        <source>Epact</source>
        <translation>Épacte</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="66"/>
        <source>Indiction</source>
        <translation>Indiction</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="67"/>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="68"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="73"/>
        <source>Saint</source>
        <translation>Saint</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="74"/>
        <source>Sundays and feasts</source>
        <translation>Dimanches et fêtes</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="92"/>
        <source>Print a Month or a Year</source>
        <translation>Imprimer un mois ou une année</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="97"/>
        <source>&amp;Year:</source>
        <translation>&amp;Année&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="99"/>
        <source>Civil (Julian, then Gregorian from the reform)</source>
        <translation>Civil (julien, puis grégorien depuis la réforme)</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="100"/>
        <source>Julian</source>
        <translation>Julien</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="100"/>
        <source>Gregorian</source>
        <translation>Grégorien</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="104"/>
        <source>&amp;Calendar:</source>
        <translation>&amp;Calendrier&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="106"/>
        <source>The whole year</source>
        <translation>L’année entière</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="110"/>
        <source>&amp;Month:</source>
        <translation>&amp;Mois&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="112"/>
        <source>No saints</source>
        <translation>Sans saints</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="112"/>
        <source>Traditional list</source>
        <translation>Liste traditionnelle</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="113"/>
        <source>Present list</source>
        <translation>Liste actuelle</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="115"/>
        <source>&amp;Saints:</source>
        <translation>&amp;Saints&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="69"/>
        <location filename="../src/ui/YearPrint.cpp" line="117"/>
        <source>Roman style</source>
        <translation>Style romain</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="70"/>
        <location filename="../src/ui/YearPrint.cpp" line="118"/>
        <source>Republican</source>
        <translation>Républicain</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="71"/>
        <location filename="../src/ui/YearPrint.cpp" line="119"/>
        <source>Jewish</source>
        <translation>Juif</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="72"/>
        <location filename="../src/ui/YearPrint.cpp" line="120"/>
        <source>Muslim</source>
        <translation>Musulman</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="121"/>
        <source>Feasts</source>
        <translation>Fêtes</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="126"/>
        <source>Columns:</source>
        <translation>Colonnes&#xa0;:</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="267"/>
        <source>The year %1 cannot be printed in this calendar.</source>
        <translation>L’année %1 ne peut pas être imprimée dans ce calendrier.</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="270"/>
        <source>The chosen columns do not fit on this paper, even in small print. Choose fewer columns, landscape or a larger paper.</source>
        <translation>Les colonnes choisies ne tiennent pas sur ce papier, même en petits caractères. Choisissez moins de colonnes, le format paysage ou un papier plus grand.</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="274"/>
        <source>The printer could not be opened.</source>
        <translation>L’imprimante n’a pas pu être ouverte.</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="309"/>
        <source>The PDF file %1 cannot be written.</source>
        <translation>Le fichier PDF %1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="358"/>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="359"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location filename="../src/ui/YearPrint.cpp" line="389"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
</TS>
