<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="te">
  <context>
    <name>LanguageMenu</name>
    <message>
      <source>&amp;Language</source>
      <translation>భాష</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Paste</source>
      <translation>అతికించు</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AboutBox</name>
    <message>
      <source>OK</source>
      <translation>సరే</translation>
    </message>
    <message>
      <source>Kalodaya is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. Ghati Lagna signifies the importance of self in terms of fame, power, authority and status. This is important for analysis of progress in career, power of politicians etc.</source>
      <translation>Kalodaya వైదిక జ్యోతిషం ఆధారంగా లెక్కించే ఒక ప్రత్యేక లగ్నం. ఘటికా లగ్నం కీర్తి, శక్తి, అధికారం, హోదాల పరంగా స్వయం యొక్క ప్రాముఖ్యతను సూచిస్తుంది. వృత్తిలో పురోగతి, రాజకీయ నాయకుల శక్తి మొదలైనవాటి విశ్లేషణకు ఇది ముఖ్యం.</translation>
    </message>
    <message>
      <source>Place data: GeoNames (geonames.org), CC BY 4.0. Time zones: the IANA tz database.</source>
      <translation>ప్రదేశ సమాచారం: GeoNames (geonames.org), CC BY 4.0. కాల మండలాలు: IANA tz డేటాబేస్.</translation>
    </message>
    <message>
      <source>Licence: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.</source>
      <translation>లైసెన్స్: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AppFrame</name>
    <message>
      <source>&amp;File</source>
      <translation>ఫైల్</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>వెనుకకు</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>నిష్క్రమించు</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>సహాయం</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>ఆన్‌లైన్ సహాయం</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>మా వెబ్‌సైట్ చూడండి</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>సాఫ్ట్‌వేర్ నవీకరణ తనిఖీ</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>సాఫ్ట్‌వేర్ గురించి</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>విరాళం</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::ChartStylePanel</name>
    <message>
      <source>South Indian chart</source>
      <translation>దక్షిణ భారత చక్రం</translation>
    </message>
    <message>
      <source>North Indian chart</source>
      <translation>ఉత్తర భారత చక్రం</translation>
    </message>
    <message>
      <source>East Indian chart</source>
      <translation>తూర్పు భారత చక్రం</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::EntryForm</name>
    <message>
      <source>&amp;File</source>
      <translation>ఫైల్</translation>
    </message>
    <message>
      <source>Get My Ghati Lagna</source>
      <translation>నా ఘటికా లగ్నం</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>నిష్క్రమించు</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>సహాయం</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>ఆన్‌లైన్ సహాయం</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>మా వెబ్‌సైట్ చూడండి</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>సాఫ్ట్‌వేర్ నవీకరణ తనిఖీ</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>సాఫ్ట్‌వేర్ గురించి</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>విరాళం</translation>
    </message>
    <message>
      <source>Personal Details</source>
      <translation>వ్యక్తిగత వివరాలు</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>పేరు</translation>
    </message>
    <message>
      <source>Date of Birth</source>
      <translation>జన్మ తేదీ</translation>
    </message>
    <message>
      <source>Time of Birth</source>
      <translation>జన్మ సమయం</translation>
    </message>
    <message>
      <source>Place Details</source>
      <translation>ప్రదేశ వివరాలు</translation>
    </message>
    <message>
      <source>City</source>
      <translation>నగరం</translation>
    </message>
    <message>
      <source>State</source>
      <translation>రాష్ట్రం</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>దేశం</translation>
    </message>
    <message>
      <source>Click for Latitude &amp;&amp; Longitude</source>
      <translation>అక్షాంశం, రేఖాంశం కోసం క్లిక్ చేయండి</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>కాల మండలం</translation>
    </message>
    <message>
      <source>Daylight Saving Time</source>
      <translation>పగటి ఆదా సమయం</translation>
    </message>
    <message>
      <source>Latitude</source>
      <translation>అక్షాంశం</translation>
    </message>
    <message>
      <source>North</source>
      <translation>ఉత్తరం</translation>
    </message>
    <message>
      <source>South</source>
      <translation>దక్షిణం</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>రేఖాంశం</translation>
    </message>
    <message>
      <source>East</source>
      <translation>తూర్పు</translation>
    </message>
    <message>
      <source>West</source>
      <translation>పడమర</translation>
    </message>
    <message>
      <source>Deg</source>
      <translation>భాగ</translation>
    </message>
    <message>
      <source>Min</source>
      <translation>కళ</translation>
    </message>
    <message>
      <source>&amp;Get My Ghati Lagna</source>
      <translation>నా ఘటికా లగ్నం</translation>
    </message>
    <message>
      <source>&amp;Now</source>
      <translation>ఇప్పుడు</translation>
    </message>
    <message>
      <source>Today's date and the time now</source>
      <translation>నేటి తేదీ, ప్రస్తుత సమయం</translation>
    </message>
    <message>
      <source>Uncertain by</source>
      <translation>సమయ అనిశ్చితి</translation>
    </message>
    <message>
      <source> minutes</source>
      <translation> ని.</translation>
    </message>
    <message>
      <source>How many minutes before or after the entered time the birth may have been (0: the time is exact)</source>
      <translation>నమోదు చేసిన సమయానికి ఎన్ని ని. ముందు లేదా తర్వాత జననం జరిగి ఉండవచ్చు (0: సమయం ఖచ్చితం)</translation>
    </message>
    <message>
      <source>Calculation</source>
      <translation>గణితం</translation>
    </message>
    <message>
      <source>YYYY-MM-DD</source>
      <translation>YYYY-MM-DD</translation>
    </message>
    <message>
      <source>The date of birth as YYYY-MM-DD</source>
      <translation>జన్మ తేదీ YYYY-MM-DD రూపంలో</translation>
    </message>
    <message>
      <source>Pick the date of birth from a calendar</source>
      <translation>క్యాలెండర్ నుండి జన్మ తేదీని ఎంచుకోండి</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>సాంప్రదాయ</translation>
    </message>
    <message>
      <source>Modern (Swiss Ephemeris)</source>
      <translation>ఆధునిక (స్విస్ ఎఫెమెరిస్)</translation>
    </message>
    <message>
      <source>Lahiri</source>
      <translation>లాహిరి</translation>
    </message>
    <message>
      <source>Raman</source>
      <translation>రామన్</translation>
    </message>
    <message>
      <source>KP (Krishnamurti)</source>
      <translation>కె.పి. (కృష్ణమూర్తి)</translation>
    </message>
    <message>
      <source>True Chitra</source>
      <translation>నిజ చిత్ర</translation>
    </message>
    <message>
      <source>Mean</source>
      <translation>సగటు</translation>
    </message>
    <message>
      <source>True</source>
      <translation>నిజ</translation>
    </message>
    <message>
      <source>Classic (upper limb, refraction)</source>
      <translation>సాంప్రదాయ (పై అంచు, వక్రీభవనం)</translation>
    </message>
    <message>
      <source>Hindu (disc centre, no refraction)</source>
      <translation>హిందూ (బింబ కేంద్రం, వక్రీభవనం లేదు)</translation>
    </message>
    <message>
      <source>Ayanamsa</source>
      <translation>అయనాంశ</translation>
    </message>
    <message>
      <source>Node</source>
      <translation>రాహువు</translation>
    </message>
    <message>
      <source>Sunrise</source>
      <translation>సూర్యోదయం</translation>
    </message>
    <message>
      <source>Know more about the importance of self in terms of fame, power, authority and status with Kalodaya</source>
      <translation>కాలోదయతో కీర్తి, శక్తి, అధికారం, హోదా పరంగా మీ ప్రాముఖ్యత గురించి మరింత తెలుసుకోండి</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OpenRecordsDialog</name>
    <message>
      <source>Open Saved Birth Details</source>
      <translation>సేవ్ చేసిన జనన వివరాలు తెరువు</translation>
    </message>
    <message>
      <source>&amp;Search by name, place or date of birth:</source>
      <translation>పేరు, ప్రదేశం లేదా జన్మ తేదీతో వెతకండి:</translation>
    </message>
    <message>
      <source>e.g. rama delhi 1990</source>
      <translation>ఉదా. rama delhi 1990</translation>
    </message>
    <message>
      <source>N&amp;ote:</source>
      <translation>గమనిక:</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>తెరువు</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>తొలగించు</translation>
    </message>
    <message>
      <source>No saved birth details yet.</source>
      <translation>ఇంకా జనన వివరాలు ఏవీ సేవ్ చేయలేదు.</translation>
    </message>
    <message>
      <source>1 saved record</source>
      <translation>1 సేవ్ చేసిన రికార్డు</translation>
    </message>
    <message>
      <source>%1 saved records</source>
      <translation>%1 సేవ్ చేసిన రికార్డులు</translation>
    </message>
    <message>
      <source>%1 of %2 saved records</source>
      <translation>%2 సేవ్ చేసిన రికార్డులలో %1</translation>
    </message>
    <message>
      <source>The note could not be saved: %1</source>
      <translation>గమనికను సేవ్ చేయలేకపోయాం: %1</translation>
    </message>
    <message>
      <source>Delete the saved birth details of %1 (born %2)? This cannot be undone.</source>
      <translation>%1 (జననం %2) సేవ్ చేసిన జనన వివరాలను తొలగించాలా? దీన్ని తిరిగి పొందలేరు.</translation>
    </message>
    <message>
      <source>this record</source>
      <translation>ఈ రికార్డు</translation>
    </message>
    <message>
      <source>The record could not be deleted: %1</source>
      <translation>రికార్డును తొలగించలేకపోయాం: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OwnPlacesDialog</name>
    <message>
      <source>Your Places</source>
      <translation>మీ ప్రదేశాలు</translation>
    </message>
    <message>
      <source>Place</source>
      <translation>ప్రదేశం</translation>
    </message>
    <message>
      <source>State</source>
      <translation>రాష్ట్రం</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>దేశం</translation>
    </message>
    <message>
      <source>Latitude</source>
      <translation>అక్షాంశం</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>రేఖాంశం</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>కాల మండలం</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>తొలగించు</translation>
    </message>
    <message>
      <source>Your places could not be read: %1</source>
      <translation>మీ ప్రదేశాలను చదవలేకపోయాం: %1</translation>
    </message>
    <message>
      <source>A place needs a name.</source>
      <translation>ప్రదేశానికి పేరు అవసరం.</translation>
    </message>
    <message>
      <source>Write the latitude as degrees:minutes and N or S (28:39N).</source>
      <translation>అక్షాంశాన్ని భాగలు:కళలు, N లేదా S గా రాయండి (28:39N).</translation>
    </message>
    <message>
      <source>Write the longitude as degrees:minutes and E or W (77:13E).</source>
      <translation>రేఖాంశాన్ని భాగలు:కళలు, E లేదా W గా రాయండి (77:13E).</translation>
    </message>
    <message>
      <source>The place was not changed. %1</source>
      <translation>ప్రదేశం మార్చబడలేదు. %1</translation>
    </message>
    <message>
      <source>Delete %1 from your places?</source>
      <translation>%1 ను మీ ప్రదేశాల నుండి తొలగించాలా?</translation>
    </message>
    <message>
      <source>The place could not be deleted: %1</source>
      <translation>ప్రదేశాన్ని తొలగించలేకపోయాం: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsDialogs</name>
    <message>
      <source>The birth details of %1 have changed since they were opened. Update the saved record, or save them as a new one and keep the saved record as it is?</source>
      <translation>%1 జనన వివరాలు తెరిచిన తర్వాత మారాయి. సేవ్ చేసిన రికార్డును నవీకరించాలా, లేక కొత్త రికార్డుగా సేవ్ చేసి పాతదాన్ని అలాగే ఉంచాలా?</translation>
    </message>
    <message>
      <source>The form was opened from the saved birth details of %1 and now holds those of %2. Save %2 as a new record and keep %1's as it is, or update %1's record with %2's details?</source>
      <translation>ఫారం %1 సేవ్ చేసిన జనన వివరాల నుండి తెరవబడింది, ఇప్పుడు అందులో %2 వివరాలు ఉన్నాయి. %2 ను కొత్త రికార్డుగా సేవ్ చేసి %1 రికార్డును అలాగే ఉంచాలా, లేక %1 రికార్డును %2 వివరాలతో నవీకరించాలా?</translation>
    </message>
    <message>
      <source>&amp;Update</source>
      <translation>నవీకరించు</translation>
    </message>
    <message>
      <source>Save as &amp;New</source>
      <translation>కొత్తగా సేవ్ చేయి</translation>
    </message>
    <message>
      <source>Import Birth Details</source>
      <translation>జనన వివరాలు దిగుమతి</translation>
    </message>
    <message>
      <source>Export Birth Details</source>
      <translation>జనన వివరాలు ఎగుమతి</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsMenu</name>
    <message>
      <source>Line %1: %2</source>
      <translation>పంక్తి %1: %2</translation>
    </message>
    <message>
      <source>%1 imported, %2 already saved.</source>
      <translation>%1 దిగుమతి అయ్యాయి, %2 ఇప్పటికే సేవ్ అయి ఉన్నాయి.</translation>
    </message>
    <message>
      <source>1 record was imported.</source>
      <translation>1 రికార్డు దిగుమతి అయింది.</translation>
    </message>
    <message>
      <source>%1 records were imported.</source>
      <translation>%1 రికార్డులు దిగుమతి అయ్యాయి.</translation>
    </message>
    <message>
      <source> 1 line was rejected:
</source>
      <translation> 1 పంక్తి తిరస్కరించబడింది:
</translation>
    </message>
    <message>
      <source> %1 lines were rejected:
</source>
      <translation> %1 పంక్తులు తిరస్కరించబడ్డాయి:
</translation>
    </message>
    <message>
      <source>
… and %1 more (Show Details lists them all).</source>
      <translation>
… ఇంకా %1 ('వివరాలు చూపు' లో అన్నీ).</translation>
    </message>
    <message>
      <source>&amp;New</source>
      <translation>కొత్తది</translation>
    </message>
    <message>
      <source>&amp;Save Birth Details</source>
      <translation>జనన వివరాలు సేవ్ చేయి</translation>
    </message>
    <message>
      <source>&amp;Open Saved…</source>
      <translation>సేవ్ చేసినవి తెరువు…</translation>
    </message>
    <message>
      <source>&amp;Recent</source>
      <translation>ఇటీవలివి</translation>
    </message>
    <message>
      <source>&amp;Import…</source>
      <translation>దిగుమతి…</translation>
    </message>
    <message>
      <source>&amp;Export…</source>
      <translation>ఎగుమతి…</translation>
    </message>
    <message>
      <source>Your &amp;Places…</source>
      <translation>మీ ప్రదేశాలు…</translation>
    </message>
    <message>
      <source>The birth details could not be saved: %1</source>
      <translation>జనన వివరాలను సేవ్ చేయలేకపోయాం: %1</translation>
    </message>
    <message>
      <source>The record could not be updated: %1</source>
      <translation>రికార్డును నవీకరించలేకపోయాం: %1</translation>
    </message>
    <message>
      <source>Saved the birth details of %1</source>
      <translation>%1 జనన వివరాలు సేవ్ అయ్యాయి</translation>
    </message>
    <message>
      <source>The record could not be opened: %1</source>
      <translation>రికార్డును తెరవలేకపోయాం: %1</translation>
    </message>
    <message>
      <source>The record cannot be shown in the form: %1</source>
      <translation>రికార్డును ఫారంలో చూపలేము: %1</translation>
    </message>
    <message>
      <source>No saved birth details yet</source>
      <translation>ఇంకా జనన వివరాలు ఏవీ సేవ్ చేయలేదు</translation>
    </message>
    <message>
      <source>Nothing was imported from %1: %2</source>
      <translation>%1 నుండి ఏదీ దిగుమతి కాలేదు: %2</translation>
    </message>
    <message>
      <source>The records could not be exported: %1</source>
      <translation>రికార్డులను ఎగుమతి చేయలేకపోయాం: %1</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>%1 కి ఎగుమతి అయింది</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::ResultsWindow</name>
    <message>
      <source>Ghati Lagna - Chart</source>
      <translation>ఘటికా లగ్నం - చక్రం</translation>
    </message>
    <message>
      <source>Ghati Lagna Details</source>
      <translation>ఘటికా లగ్నం వివరాలు</translation>
    </message>
    <message>
      <source>Birth Time and Sunrise</source>
      <translation>జనన సమయం మరియు సూర్యోదయం</translation>
    </message>
    <message>
      <source>Birth Time Range</source>
      <translation>జనన సమయ వ్యవధి</translation>
    </message>
    <message>
      <source>Hora</source>
      <translation>హోర</translation>
    </message>
    <message>
      <source>Divitional chart</source>
      <translation>వర్గ చక్రం</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::config</name>
    <message>
      <source>Talk about your chart with other users in our free astrology forum</source>
      <translation>మా ఉచిత జ్యోతిష వేదికలో ఇతర వినియోగదారులతో మీ చక్రం గురించి మాట్లాడండి</translation>
    </message>
    <message>
      <source>Sell this software under your own brand with our fully branded edition</source>
      <translation>మా పూర్తి బ్రాండెడ్ సంచికతో ఈ సాఫ్ట్‌వేర్‌ను మీ సొంత బ్రాండ్‌తో అమ్మండి</translation>
    </message>
    <message>
      <source>Put your name and web address on this software with our co-branded edition</source>
      <translation>మా సహ-బ్రాండెడ్ సంచికతో ఈ సాఫ్ట్‌వేర్‌పై మీ పేరు, వెబ్ చిరునామా ఉంచండి</translation>
    </message>
    <message>
      <source>&amp;Make Money</source>
      <translation>డబ్బు సంపాదించండి</translation>
    </message>
    <message>
      <source>More astrology software</source>
      <translation>మరిన్ని జ్యోతిష సాఫ్ట్‌వేర్</translation>
    </message>
    <message>
      <source>Visit us online</source>
      <translation>మా వెబ్‌సైట్ చూడండి</translation>
    </message>
    <message>
      <source>Sell this software under your own brand</source>
      <translation>ఈ సాఫ్ట్‌వేర్‌ను మీ సొంత బ్రాండ్‌తో అమ్మండి</translation>
    </message>
    <message>
      <source>Want this software with your own name and logo?</source>
      <translation>ఈ సాఫ్ట్‌వేర్ మీ సొంత పేరు, లోగోతో కావాలా?</translation>
    </message>
    <message>
      <source>Click here to learn more</source>
      <translation>మరింత తెలుసుకోవడానికి ఇక్కడ క్లిక్ చేయండి</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::print::ChartPrintActions</name>
    <message>
      <source>&amp;Print…</source>
      <translation>ముద్రించు…</translation>
    </message>
    <message>
      <source>Export P&amp;DF…</source>
      <translation>PDF ఎగుమతి…</translation>
    </message>
    <message>
      <source>Export &amp;Image…</source>
      <translation>చిత్రం ఎగుమతి…</translation>
    </message>
    <message>
      <source>The chart could not be printed.</source>
      <translation>చక్రాన్ని ముద్రించలేకపోయాం.</translation>
    </message>
    <message>
      <source>Export PDF</source>
      <translation>PDF ఎగుమతి</translation>
    </message>
    <message>
      <source>Export Image</source>
      <translation>చిత్రం ఎగుమతి</translation>
    </message>
    <message>
      <source>PDF documents (*.pdf)</source>
      <translation>PDF పత్రాలు (*.pdf)</translation>
    </message>
    <message>
      <source>PNG images (*.png)</source>
      <translation>PNG చిత్రాలు (*.png)</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>%1 కి ఎగుమతి అయింది</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>సరే</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>రద్దు</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>అవును</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>కాదు</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>అన్నింటికీ అవును</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>అన్నింటికీ కాదు</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>సేవ్ చేయి</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>తెరువు</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>మూసివేయి</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>వర్తింపజేయి</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>విస్మరించు</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>ఆపివేయి</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>మళ్లీ ప్రయత్నించు</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>విస్మరించు</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>సహాయం</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>వివరాలు చూపు</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>వివరాలు దాచు</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>సరే</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>రద్దు</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>అవును</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>కాదు</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>అన్నింటికీ అవును</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>అన్నింటికీ కాదు</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>సేవ్ చేయి</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>తెరువు</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>మూసివేయి</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>వర్తింపజేయి</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>విస్మరించు</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>ఆపివేయి</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>మళ్లీ ప్రయత్నించు</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>విస్మరించు</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>సహాయం</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>వివరాలు చూపు</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>వివరాలు దాచు</translation>
    </message>
  </context>
  <context>
    <name>QMessageBox</name>
    <message>
      <source>OK</source>
      <translation>సరే</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>రద్దు</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>అవును</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>కాదు</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>అన్నింటికీ అవును</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>అన్నింటికీ కాదు</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>సేవ్ చేయి</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>తెరువు</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>మూసివేయి</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>వర్తింపజేయి</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>విస్మరించు</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>ఆపివేయి</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>మళ్లీ ప్రయత్నించు</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>విస్మరించు</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>సహాయం</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>వివరాలు చూపు</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>వివరాలు దాచు</translation>
    </message>
  </context>
</TS>