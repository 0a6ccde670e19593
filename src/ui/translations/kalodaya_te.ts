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
  </context>
</TS>