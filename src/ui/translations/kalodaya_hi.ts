<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="hi">
  <context>
    <name>LanguageMenu</name>
    <message>
      <source>&amp;Language</source>
      <translation>भाषा</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Paste</source>
      <translation>चिपकाएँ</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AboutBox</name>
    <message>
      <source>OK</source>
      <translation>ठीक है</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AppFrame</name>
    <message>
      <source>&amp;File</source>
      <translation>फ़ाइल</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>वापस</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>बाहर निकलें</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>सहायता</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>ऑनलाइन सहायता</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>हमारी वेबसाइट देखें</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>सॉफ़्टवेयर अपडेट जाँचें</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>सॉफ़्टवेयर के बारे में</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>दान करें</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::EntryForm</name>
    <message>
      <source>&amp;File</source>
      <translation>फ़ाइल</translation>
    </message>
    <message>
      <source>Get My Ghati Lagna</source>
      <translation>मेरा घटी लग्न</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>बाहर निकलें</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>सहायता</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>ऑनलाइन सहायता</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>हमारी वेबसाइट देखें</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>सॉफ़्टवेयर अपडेट जाँचें</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>सॉफ़्टवेयर के बारे में</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>दान करें</translation>
    </message>
    <message>
      <source>Personal Details</source>
      <translation>व्यक्तिगत विवरण</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>नाम</translation>
    </message>
    <message>
      <source>Date of Birth</source>
      <translation>जन्म तिथि</translation>
    </message>
    <message>
      <source>Time of Birth</source>
      <translation>जन्म समय</translation>
    </message>
    <message>
      <source>Place Details</source>
      <translation>स्थान विवरण</translation>
    </message>
    <message>
      <source>City</source>
      <translation>शहर</translation>
    </message>
    <message>
      <source>State</source>
      <translation>राज्य</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>देश</translation>
    </message>
    <message>
      <source>Click for Latitude &amp;&amp; Longitude</source>
      <translation>अक्षांश और देशांतर के लिए क्लिक करें</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>समय क्षेत्र</translation>
    </message>
    <message>
      <source>Daylight Saving Time</source>
      <translation>ग्रीष्मकालीन समय</translation>
    </message>
    <message>
      <source>Latitude</source>
      <translation>अक्षांश</translation>
    </message>
    <message>
      <source>North</source>
      <translation>उत्तर</translation>
    </message>
    <message>
      <source>South</source>
      <translation>दक्षिण</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>देशांतर</translation>
    </message>
    <message>
      <source>East</source>
      <translation>पूर्व</translation>
    </message>
    <message>
      <source>West</source>
      <translation>पश्चिम</translation>
    </message>
    <message>
      <source>Deg</source>
      <translation>अंश</translation>
    </message>
    <message>
      <source>Min</source>
      <translation>कला</translation>
    </message>
    <message>
      <source>&amp;Get My Ghati Lagna</source>
      <translation>मेरा घटी लग्न</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::ResultsWindow</name>
    <message>
      <source>Ghati Lagna - Chart</source>
      <translation>घटी लग्न - कुंडली</translation>
    </message>
    <message>
      <source>Ghati Lagna Details</source>
      <translation>घटी लग्न विवरण</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>ठीक है</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>रद्द करें</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>हाँ</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>नहीं</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>सभी के लिए हाँ</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>सभी के लिए नहीं</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>सहेजें</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>खोलें</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>बंद करें</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>लागू करें</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>छोड़ें</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>रोकें</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>पुनः प्रयास करें</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>अनदेखा करें</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>सहायता</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>ठीक है</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>रद्द करें</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>हाँ</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>नहीं</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>सभी के लिए हाँ</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>सभी के लिए नहीं</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>सहेजें</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>खोलें</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>बंद करें</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>लागू करें</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>छोड़ें</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>रोकें</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>पुनः प्रयास करें</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>अनदेखा करें</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>सहायता</translation>
    </message>
  </context>
  <context>
    <name>QMessageBox</name>
    <message>
      <source>OK</source>
      <translation>ठीक है</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>रद्द करें</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>हाँ</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>नहीं</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>सभी के लिए हाँ</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>सभी के लिए नहीं</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>सहेजें</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>खोलें</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>बंद करें</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>लागू करें</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>छोड़ें</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>रोकें</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>पुनः प्रयास करें</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>अनदेखा करें</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>सहायता</translation>
    </message>
  </context>
</TS>