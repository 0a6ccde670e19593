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
    <message>
      <source>Kalodaya is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. Ghati Lagna signifies the importance of self in terms of fame, power, authority and status. This is important for analysis of progress in career, power of politicians etc.</source>
      <translation>Kalodaya वैदिक ज्योतिष के आधार पर गणना किया जाने वाला एक विशेष लग्न है। घटी लग्न यश, शक्ति, अधिकार और प्रतिष्ठा के संदर्भ में स्वयं के महत्व को दर्शाता है। यह करियर में प्रगति, राजनेताओं की शक्ति आदि के विश्लेषण के लिए महत्वपूर्ण है।</translation>
    </message>
    <message>
      <source>Place data: GeoNames (geonames.org), CC BY 4.0. Time zones: the IANA tz database.</source>
      <translation>स्थान आँकड़े: GeoNames (geonames.org), CC BY 4.0। समय क्षेत्र: IANA tz डेटाबेस।</translation>
    </message>
    <message>
      <source>Licence: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.</source>
      <translation>लाइसेंस: AGPL-3.0-or-later। Swiss Ephemeris: Astrodienst, AGPL।</translation>
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
    <name>kalodaya::ui::ChartStylePanel</name>
    <message>
      <source>South Indian chart</source>
      <translation>दक्षिण भारतीय कुंडली</translation>
    </message>
    <message>
      <source>North Indian chart</source>
      <translation>उत्तर भारतीय कुंडली</translation>
    </message>
    <message>
      <source>East Indian chart</source>
      <translation>पूर्व भारतीय कुंडली</translation>
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
    <message>
      <source>&amp;Now</source>
      <translation>अभी</translation>
    </message>
    <message>
      <source>Today's date and the time now</source>
      <translation>आज की तिथि और अभी का समय</translation>
    </message>
    <message>
      <source>Uncertain by</source>
      <translation>समय में अनिश्चितता</translation>
    </message>
    <message>
      <source> minutes</source>
      <translation> मि.</translation>
    </message>
    <message>
      <source>How many minutes before or after the entered time the birth may have been (0: the time is exact)</source>
      <translation>दर्ज समय से कितने मि. पहले या बाद जन्म हुआ हो सकता है (0: समय सटीक है)</translation>
    </message>
    <message>
      <source>Calculation</source>
      <translation>गणना</translation>
    </message>
    <message>
      <source>YYYY-MM-DD</source>
      <translation>YYYY-MM-DD</translation>
    </message>
    <message>
      <source>The date of birth as YYYY-MM-DD</source>
      <translation>जन्म तिथि YYYY-MM-DD के रूप में</translation>
    </message>
    <message>
      <source>Pick the date of birth from a calendar</source>
      <translation>कैलेंडर से जन्म तिथि चुनें</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>शास्त्रीय</translation>
    </message>
    <message>
      <source>Modern (Swiss Ephemeris)</source>
      <translation>आधुनिक (स्विस एफ़ेमेरिस)</translation>
    </message>
    <message>
      <source>Lahiri</source>
      <translation>लाहिड़ी</translation>
    </message>
    <message>
      <source>Raman</source>
      <translation>रमन</translation>
    </message>
    <message>
      <source>KP (Krishnamurti)</source>
      <translation>के.पी. (कृष्णमूर्ति)</translation>
    </message>
    <message>
      <source>True Chitra</source>
      <translation>सत्य चित्रा</translation>
    </message>
    <message>
      <source>Mean</source>
      <translation>मध्यम</translation>
    </message>
    <message>
      <source>True</source>
      <translation>स्पष्ट</translation>
    </message>
    <message>
      <source>Classic (upper limb, refraction)</source>
      <translation>शास्त्रीय (ऊपरी किनारा, अपवर्तन)</translation>
    </message>
    <message>
      <source>Hindu (disc centre, no refraction)</source>
      <translation>हिन्दू (बिंब का केंद्र, अपवर्तन नहीं)</translation>
    </message>
    <message>
      <source>Ayanamsa</source>
      <translation>अयनांश</translation>
    </message>
    <message>
      <source>Node</source>
      <translation>राहु</translation>
    </message>
    <message>
      <source>Sunrise</source>
      <translation>सूर्योदय</translation>
    </message>
    <message>
      <source>Know more about the importance of self in terms of fame, power, authority and status with Kalodaya</source>
      <translation>कालोदय के साथ यश, शक्ति, अधिकार और प्रतिष्ठा के संदर्भ में स्वयं के महत्व के बारे में और जानें</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OpenRecordsDialog</name>
    <message>
      <source>Open Saved Birth Details</source>
      <translation>सहेजे गए जन्म विवरण खोलें</translation>
    </message>
    <message>
      <source>&amp;Search by name, place or date of birth:</source>
      <translation>नाम, स्थान या जन्म तिथि से खोजें:</translation>
    </message>
    <message>
      <source>e.g. rama delhi 1990</source>
      <translation>जैसे rama delhi 1990</translation>
    </message>
    <message>
      <source>N&amp;ote:</source>
      <translation>टिप्पणी:</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>खोलें</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>हटाएँ</translation>
    </message>
    <message>
      <source>No saved birth details yet.</source>
      <translation>अभी तक कोई जन्म विवरण सहेजा नहीं गया।</translation>
    </message>
    <message>
      <source>1 saved record</source>
      <translation>1 सहेजा गया रिकॉर्ड</translation>
    </message>
    <message>
      <source>%1 saved records</source>
      <translation>%1 सहेजे गए रिकॉर्ड</translation>
    </message>
    <message>
      <source>%1 of %2 saved records</source>
      <translation>%2 में से %1 सहेजे गए रिकॉर्ड</translation>
    </message>
    <message>
      <source>The note could not be saved: %1</source>
      <translation>टिप्पणी सहेजी नहीं जा सकी: %1</translation>
    </message>
    <message>
      <source>Delete the saved birth details of %1 (born %2)? This cannot be undone.</source>
      <translation>%1 (जन्म %2) के सहेजे गए जन्म विवरण हटाएँ? यह वापस नहीं होगा।</translation>
    </message>
    <message>
      <source>this record</source>
      <translation>यह रिकॉर्ड</translation>
    </message>
    <message>
      <source>The record could not be deleted: %1</source>
      <translation>रिकॉर्ड हटाया नहीं जा सका: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OwnPlacesDialog</name>
    <message>
      <source>Your Places</source>
      <translation>आपके स्थान</translation>
    </message>
    <message>
      <source>Place</source>
      <translation>स्थान</translation>
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
      <source>Latitude</source>
      <translation>अक्षांश</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>देशांतर</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>समय क्षेत्र</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>हटाएँ</translation>
    </message>
    <message>
      <source>Your places could not be read: %1</source>
      <translation>आपके स्थान पढ़े नहीं जा सके: %1</translation>
    </message>
    <message>
      <source>A place needs a name.</source>
      <translation>स्थान का नाम चाहिए।</translation>
    </message>
    <message>
      <source>Write the latitude as degrees:minutes and N or S (28:39N).</source>
      <translation>अक्षांश अंश:कला और N या S के रूप में लिखें (28:39N)।</translation>
    </message>
    <message>
      <source>Write the longitude as degrees:minutes and E or W (77:13E).</source>
      <translation>देशांतर अंश:कला और E या W के रूप में लिखें (77:13E)।</translation>
    </message>
    <message>
      <source>The place was not changed. %1</source>
      <translation>स्थान नहीं बदला गया। %1</translation>
    </message>
    <message>
      <source>Delete %1 from your places?</source>
      <translation>%1 को अपने स्थानों से हटाएँ?</translation>
    </message>
    <message>
      <source>The place could not be deleted: %1</source>
      <translation>स्थान हटाया नहीं जा सका: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsDialogs</name>
    <message>
      <source>The birth details of %1 have changed since they were opened. Update the saved record, or save them as a new one and keep the saved record as it is?</source>
      <translation>%1 के जन्म विवरण खोलने के बाद बदल गए हैं। सहेजा गया रिकॉर्ड अद्यतन करें, या इन्हें नए रिकॉर्ड के रूप में सहेजें और पुराना वैसा ही रखें?</translation>
    </message>
    <message>
      <source>The form was opened from the saved birth details of %1 and now holds those of %2. Save %2 as a new record and keep %1's as it is, or update %1's record with %2's details?</source>
      <translation>फ़ॉर्म %1 के सहेजे गए जन्म विवरण से खोला गया था और अब उसमें %2 के विवरण हैं। %2 को नए रिकॉर्ड के रूप में सहेजें और %1 का रिकॉर्ड वैसा ही रखें, या %1 के रिकॉर्ड को %2 के विवरण से अद्यतन करें?</translation>
    </message>
    <message>
      <source>&amp;Update</source>
      <translation>अद्यतन करें</translation>
    </message>
    <message>
      <source>Save as &amp;New</source>
      <translation>नए रूप में सहेजें</translation>
    </message>
    <message>
      <source>Import Birth Details</source>
      <translation>जन्म विवरण आयात करें</translation>
    </message>
    <message>
      <source>Export Birth Details</source>
      <translation>जन्म विवरण निर्यात करें</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsMenu</name>
    <message>
      <source>Line %1: %2</source>
      <translation>पंक्ति %1: %2</translation>
    </message>
    <message>
      <source>%1 imported, %2 already saved.</source>
      <translation>%1 आयात हुए, %2 पहले से सहेजे हुए।</translation>
    </message>
    <message>
      <source>1 record was imported.</source>
      <translation>1 रिकॉर्ड आयात हुआ।</translation>
    </message>
    <message>
      <source>%1 records were imported.</source>
      <translation>%1 रिकॉर्ड आयात हुए।</translation>
    </message>
    <message>
      <source> 1 line was rejected:
</source>
      <translation> 1 पंक्ति अस्वीकृत हुई:
</translation>
    </message>
    <message>
      <source> %1 lines were rejected:
</source>
      <translation> %1 पंक्तियाँ अस्वीकृत हुईं:
</translation>
    </message>
    <message>
      <source>
… and %1 more (Show Details lists them all).</source>
      <translation>
… और %1 (सभी 'विवरण दिखाएँ' में)।</translation>
    </message>
    <message>
      <source>&amp;New</source>
      <translation>नया</translation>
    </message>
    <message>
      <source>&amp;Save Birth Details</source>
      <translation>जन्म विवरण सहेजें</translation>
    </message>
    <message>
      <source>&amp;Open Saved…</source>
      <translation>सहेजे गए खोलें…</translation>
    </message>
    <message>
      <source>&amp;Recent</source>
      <translation>हाल के</translation>
    </message>
    <message>
      <source>&amp;Import…</source>
      <translation>आयात करें…</translation>
    </message>
    <message>
      <source>&amp;Export…</source>
      <translation>निर्यात करें…</translation>
    </message>
    <message>
      <source>Your &amp;Places…</source>
      <translation>आपके स्थान…</translation>
    </message>
    <message>
      <source>The birth details could not be saved: %1</source>
      <translation>जन्म विवरण सहेजे नहीं जा सके: %1</translation>
    </message>
    <message>
      <source>The record could not be updated: %1</source>
      <translation>रिकॉर्ड अद्यतन नहीं हो सका: %1</translation>
    </message>
    <message>
      <source>Saved the birth details of %1</source>
      <translation>%1 के जन्म विवरण सहेजे गए</translation>
    </message>
    <message>
      <source>The record could not be opened: %1</source>
      <translation>रिकॉर्ड खोला नहीं जा सका: %1</translation>
    </message>
    <message>
      <source>The record cannot be shown in the form: %1</source>
      <translation>रिकॉर्ड फ़ॉर्म में नहीं दिखाया जा सकता: %1</translation>
    </message>
    <message>
      <source>No saved birth details yet</source>
      <translation>अभी तक कोई जन्म विवरण सहेजा नहीं गया</translation>
    </message>
    <message>
      <source>Nothing was imported from %1: %2</source>
      <translation>%1 से कुछ भी आयात नहीं हुआ: %2</translation>
    </message>
    <message>
      <source>The records could not be exported: %1</source>
      <translation>रिकॉर्ड निर्यात नहीं हो सके: %1</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>%1 में निर्यात किया गया</translation>
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
    <message>
      <source>Birth Time and Sunrise</source>
      <translation>जन्म समय और सूर्योदय</translation>
    </message>
    <message>
      <source>Birth Time Range</source>
      <translation>जन्म समय की अवधि</translation>
    </message>
    <message>
      <source>Hora</source>
      <translation>होरा</translation>
    </message>
    <message>
      <source>Divitional chart</source>
      <translation>वर्ग कुंडली</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::config</name>
    <message>
      <source>Talk about your chart with other users in our free astrology forum</source>
      <translation>हमारे निःशुल्क ज्योतिष मंच पर अन्य उपयोगकर्ताओं से अपनी कुंडली की चर्चा करें</translation>
    </message>
    <message>
      <source>Sell this software under your own brand with our fully branded edition</source>
      <translation>हमारे पूर्ण ब्रांडेड संस्करण के साथ यह सॉफ़्टवेयर अपने ब्रांड से बेचें</translation>
    </message>
    <message>
      <source>Put your name and web address on this software with our co-branded edition</source>
      <translation>हमारे सह-ब्रांडेड संस्करण के साथ इस सॉफ़्टवेयर पर अपना नाम और वेब पता लगाएँ</translation>
    </message>
    <message>
      <source>&amp;Make Money</source>
      <translation>पैसे कमाएँ</translation>
    </message>
    <message>
      <source>More astrology software</source>
      <translation>और ज्योतिष सॉफ़्टवेयर</translation>
    </message>
    <message>
      <source>Visit us online</source>
      <translation>हमारी वेबसाइट देखें</translation>
    </message>
    <message>
      <source>Sell this software under your own brand</source>
      <translation>यह सॉफ़्टवेयर अपने ब्रांड से बेचें</translation>
    </message>
    <message>
      <source>Want this software with your own name and logo?</source>
      <translation>यह सॉफ़्टवेयर अपने नाम और लोगो के साथ चाहिए?</translation>
    </message>
    <message>
      <source>Click here to learn more</source>
      <translation>अधिक जानने के लिए यहाँ क्लिक करें</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::print::ChartPrintActions</name>
    <message>
      <source>&amp;Print…</source>
      <translation>प्रिंट करें…</translation>
    </message>
    <message>
      <source>Export P&amp;DF…</source>
      <translation>PDF निर्यात करें…</translation>
    </message>
    <message>
      <source>Export &amp;Image…</source>
      <translation>चित्र निर्यात करें…</translation>
    </message>
    <message>
      <source>The chart could not be printed.</source>
      <translation>कुंडली प्रिंट नहीं हो सकी।</translation>
    </message>
    <message>
      <source>Export PDF</source>
      <translation>PDF निर्यात करें</translation>
    </message>
    <message>
      <source>Export Image</source>
      <translation>चित्र निर्यात करें</translation>
    </message>
    <message>
      <source>PDF documents (*.pdf)</source>
      <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
      <source>PNG images (*.png)</source>
      <translation>PNG चित्र (*.png)</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>%1 में निर्यात किया गया</translation>
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
    <message>
      <source>Show Details...</source>
      <translation>विवरण दिखाएँ</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>विवरण छिपाएँ</translation>
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
    <message>
      <source>Show Details...</source>
      <translation>विवरण दिखाएँ</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>विवरण छिपाएँ</translation>
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
    <message>
      <source>Show Details...</source>
      <translation>विवरण दिखाएँ</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>विवरण छिपाएँ</translation>
    </message>
  </context>
</TS>