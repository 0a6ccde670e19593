<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="ta">
  <context>
    <name>LanguageMenu</name>
    <message>
      <source>&amp;Language</source>
      <translation>மொழி</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Paste</source>
      <translation>ஒட்டு</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AboutBox</name>
    <message>
      <source>OK</source>
      <translation>சரி</translation>
    </message>
    <message>
      <source>Kalodaya is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. Ghati Lagna signifies the importance of self in terms of fame, power, authority and status. This is important for analysis of progress in career, power of politicians etc.</source>
      <translation>Kalodaya என்பது வேத ஜோதிடத்தின் அடிப்படையில் கணக்கிடப்படும் ஒரு சிறப்பு லக்னம். கடிகா லக்னம் புகழ், சக்தி, அதிகாரம், அந்தஸ்து ஆகியவற்றில் தன்னின் முக்கியத்துவத்தைக் குறிக்கிறது. தொழில் முன்னேற்றம், அரசியல்வாதிகளின் சக்தி முதலியவற்றின் ஆய்வுக்கு இது முக்கியமானது.</translation>
    </message>
    <message>
      <source>Place data: GeoNames (geonames.org), CC BY 4.0. Time zones: the IANA tz database.</source>
      <translation>இட விவரங்கள்: GeoNames (geonames.org), CC BY 4.0. நேர மண்டலங்கள்: IANA tz தரவுத்தளம்.</translation>
    </message>
    <message>
      <source>Licence: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.</source>
      <translation>உரிமம்: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AppFrame</name>
    <message>
      <source>&amp;File</source>
      <translation>கோப்பு</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>பின்செல்</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>வெளியேறு</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>உதவி</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>இணைய உதவி</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>எங்கள் இணையதளம்</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார்</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>மென்பொருள் பற்றி</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>நன்கொடை</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::ChartStylePanel</name>
    <message>
      <source>South Indian chart</source>
      <translation>தென்னிந்திய ஜாதகம்</translation>
    </message>
    <message>
      <source>North Indian chart</source>
      <translation>வட இந்திய ஜாதகம்</translation>
    </message>
    <message>
      <source>East Indian chart</source>
      <translation>கிழக்கிந்திய ஜாதகம்</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::EntryForm</name>
    <message>
      <source>&amp;File</source>
      <translation>கோப்பு</translation>
    </message>
    <message>
      <source>Get My Ghati Lagna</source>
      <translation>என் கடிகா லக்னம்</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>வெளியேறு</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>உதவி</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>இணைய உதவி</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>எங்கள் இணையதளம்</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>மென்பொருள் புதுப்பிப்பைச் சரிபார்</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>மென்பொருள் பற்றி</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>நன்கொடை</translation>
    </message>
    <message>
      <source>Personal Details</source>
      <translation>தனிப்பட்ட விவரங்கள்</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>பெயர்</translation>
    </message>
    <message>
      <source>Date of Birth</source>
      <translation>பிறந்த தேதி</translation>
    </message>
    <message>
      <source>Time of Birth</source>
      <translation>பிறந்த நேரம்</translation>
    </message>
    <message>
      <source>Place Details</source>
      <translation>இட விவரங்கள்</translation>
    </message>
    <message>
      <source>City</source>
      <translation>நகரம்</translation>
    </message>
    <message>
      <source>State</source>
      <translation>மாநிலம்</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>நாடு</translation>
    </message>
    <message>
      <source>Click for Latitude &amp;&amp; Longitude</source>
      <translation>அட்சரேகை, தீர்க்கரேகைக்குச் சொடுக்கவும்</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>நேர மண்டலம்</translation>
    </message>
    <message>
      <source>Daylight Saving Time</source>
      <translation>பகல் சேமிப்பு நேரம்</translation>
    </message>
    <message>
      <source>Latitude</source>
      <translation>அட்சரேகை</translation>
    </message>
    <message>
      <source>North</source>
      <translation>வடக்கு</translation>
    </message>
    <message>
      <source>South</source>
      <translation>தெற்கு</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
      <source>East</source>
      <translation>கிழக்கு</translation>
    </message>
    <message>
      <source>West</source>
      <translation>மேற்கு</translation>
    </message>
    <message>
      <source>Deg</source>
      <translation>பாகை</translation>
    </message>
    <message>
      <source>Min</source>
      <translation>கலை</translation>
    </message>
    <message>
      <source>&amp;Get My Ghati Lagna</source>
      <translation>என் கடிகா லக்னம்</translation>
    </message>
    <message>
      <source>&amp;Now</source>
      <translation>இப்போது</translation>
    </message>
    <message>
      <source>Today's date and the time now</source>
      <translation>இன்றைய தேதியும் இப்போதைய நேரமும்</translation>
    </message>
    <message>
      <source>Uncertain by</source>
      <translation>நேர நிச்சயமின்மை</translation>
    </message>
    <message>
      <source> minutes</source>
      <translation> நிமி.</translation>
    </message>
    <message>
      <source>How many minutes before or after the entered time the birth may have been (0: the time is exact)</source>
      <translation>பதிந்த நேரத்துக்கு எத்தனை நிமி. முன்போ பின்போ பிறப்பு நிகழ்ந்திருக்கலாம் (0: நேரம் துல்லியமானது)</translation>
    </message>
    <message>
      <source>Calculation</source>
      <translation>கணிதம்</translation>
    </message>
    <message>
      <source>YYYY-MM-DD</source>
      <translation>YYYY-MM-DD</translation>
    </message>
    <message>
      <source>The date of birth as YYYY-MM-DD</source>
      <translation>பிறந்த தேதி YYYY-MM-DD வடிவில்</translation>
    </message>
    <message>
      <source>Pick the date of birth from a calendar</source>
      <translation>நாட்காட்டியிலிருந்து பிறந்த தேதியைத் தேர்ந்தெடுக்கவும்</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>பாரம்பரிய</translation>
    </message>
    <message>
      <source>Modern (Swiss Ephemeris)</source>
      <translation>நவீன (ஸ்விஸ் எஃபெமெரிஸ்)</translation>
    </message>
    <message>
      <source>Lahiri</source>
      <translation>லாஹிரி</translation>
    </message>
    <message>
      <source>Raman</source>
      <translation>ராமன்</translation>
    </message>
    <message>
      <source>KP (Krishnamurti)</source>
      <translation>கே.பி. (கிருஷ்ணமூர்த்தி)</translation>
    </message>
    <message>
      <source>True Chitra</source>
      <translation>உண்மைச் சித்திரை</translation>
    </message>
    <message>
      <source>Mean</source>
      <translation>சராசரி</translation>
    </message>
    <message>
      <source>True</source>
      <translation>உண்மை</translation>
    </message>
    <message>
      <source>Classic (upper limb, refraction)</source>
      <translation>பாரம்பரிய (மேல் விளிம்பு, ஒளிவிலகல்)</translation>
    </message>
    <message>
      <source>Hindu (disc centre, no refraction)</source>
      <translation>இந்து (வட்ட மையம், ஒளிவிலகல் இல்லை)</translation>
    </message>
    <message>
      <source>Ayanamsa</source>
      <translation>அயனாம்சம்</translation>
    </message>
    <message>
      <source>Node</source>
      <translation>ராகு</translation>
    </message>
    <message>
      <source>Sunrise</source>
      <translation>சூரிய உதயம்</translation>
    </message>
    <message>
      <source>Know more about the importance of self in terms of fame, power, authority and status with Kalodaya</source>
      <translation>புகழ், சக்தி, அதிகாரம், அந்தஸ்து ஆகியவற்றில் உங்கள் முக்கியத்துவத்தைக் காலோதயாவுடன் மேலும் அறிந்துகொள்ளுங்கள்</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OpenRecordsDialog</name>
    <message>
      <source>Open Saved Birth Details</source>
      <translation>சேமித்த பிறப்பு விவரங்களைத் திற</translation>
    </message>
    <message>
      <source>&amp;Search by name, place or date of birth:</source>
      <translation>பெயர், இடம் அல்லது பிறந்த தேதியால் தேடு:</translation>
    </message>
    <message>
      <source>e.g. rama delhi 1990</source>
      <translation>எ.கா. rama delhi 1990</translation>
    </message>
    <message>
      <source>N&amp;ote:</source>
      <translation>குறிப்பு:</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>திற</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>நீக்கு</translation>
    </message>
    <message>
      <source>No saved birth details yet.</source>
      <translation>இன்னும் பிறப்பு விவரங்கள் எதுவும் சேமிக்கப்படவில்லை.</translation>
    </message>
    <message>
      <source>1 saved record</source>
      <translation>சேமித்த பதிவு 1</translation>
    </message>
    <message>
      <source>%1 saved records</source>
      <translation>சேமித்த பதிவுகள் %1</translation>
    </message>
    <message>
      <source>%1 of %2 saved records</source>
      <translation>சேமித்த %2 பதிவுகளில் %1</translation>
    </message>
    <message>
      <source>The note could not be saved: %1</source>
      <translation>குறிப்பைச் சேமிக்க முடியவில்லை: %1</translation>
    </message>
    <message>
      <source>Delete the saved birth details of %1 (born %2)? This cannot be undone.</source>
      <translation>%1 (பிறப்பு %2) அவர்களின் சேமித்த பிறப்பு விவரங்களை நீக்கவா? இதைத் திரும்பப் பெற முடியாது.</translation>
    </message>
    <message>
      <source>this record</source>
      <translation>இந்தப் பதிவு</translation>
    </message>
    <message>
      <source>The record could not be deleted: %1</source>
      <translation>பதிவை நீக்க முடியவில்லை: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OwnPlacesDialog</name>
    <message>
      <source>Your Places</source>
      <translation>உங்கள் இடங்கள்</translation>
    </message>
    <message>
      <source>Place</source>
      <translation>இடம்</translation>
    </message>
    <message>
      <source>State</source>
      <translation>மாநிலம்</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>நாடு</translation>
    </message>
    <message>
      <source>Latitude</source>
      <translation>அட்சரேகை</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>தீர்க்கரேகை</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>நேர மண்டலம்</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>நீக்கு</translation>
    </message>
    <message>
      <source>Your places could not be read: %1</source>
      <translation>உங்கள் இடங்களைப் படிக்க முடியவில்லை: %1</translation>
    </message>
    <message>
      <source>A place needs a name.</source>
      <translation>இடத்துக்குப் பெயர் தேவை.</translation>
    </message>
    <message>
      <source>Write the latitude as degrees:minutes and N or S (28:39N).</source>
      <translation>அட்சரேகையை பாகை:கலை, N அல்லது S என எழுதவும் (28:39N).</translation>
    </message>
    <message>
      <source>Write the longitude as degrees:minutes and E or W (77:13E).</source>
      <translation>தீர்க்கரேகையை பாகை:கலை, E அல்லது W என எழுதவும் (77:13E).</translation>
    </message>
    <message>
      <source>The place was not changed. %1</source>
      <translation>இடம் மாற்றப்படவில்லை. %1</translation>
    </message>
    <message>
      <source>Delete %1 from your places?</source>
      <translation>%1 ஐ உங்கள் இடங்களிலிருந்து நீக்கவா?</translation>
    </message>
    <message>
      <source>The place could not be deleted: %1</source>
      <translation>இடத்தை நீக்க முடியவில்லை: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsDialogs</name>
    <message>
      <source>The birth details of %1 have changed since they were opened. Update the saved record, or save them as a new one and keep the saved record as it is?</source>
      <translation>%1 அவர்களின் பிறப்பு விவரங்கள் திறந்த பின் மாறியுள்ளன. சேமித்த பதிவைப் புதுப்பிக்கவா, அல்லது புதிய பதிவாகச் சேமித்து பழையதை அப்படியே வைக்கவா?</translation>
    </message>
    <message>
      <source>The form was opened from the saved birth details of %1 and now holds those of %2. Save %2 as a new record and keep %1's as it is, or update %1's record with %2's details?</source>
      <translation>படிவம் %1 அவர்களின் சேமித்த பிறப்பு விவரங்களிலிருந்து திறக்கப்பட்டது, இப்போது %2 அவர்களின் விவரங்களைக் கொண்டுள்ளது. %2 ஐப் புதிய பதிவாகச் சேமித்து %1 இன் பதிவை அப்படியே வைக்கவா, அல்லது %1 இன் பதிவை %2 இன் விவரங்களால் புதுப்பிக்கவா?</translation>
    </message>
    <message>
      <source>&amp;Update</source>
      <translation>புதுப்பி</translation>
    </message>
    <message>
      <source>Save as &amp;New</source>
      <translation>புதிதாகச் சேமி</translation>
    </message>
    <message>
      <source>Import Birth Details</source>
      <translation>பிறப்பு விவரங்களை இறக்குமதி செய்</translation>
    </message>
    <message>
      <source>Export Birth Details</source>
      <translation>பிறப்பு விவரங்களை ஏற்றுமதி செய்</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsMenu</name>
    <message>
      <source>Line %1: %2</source>
      <translation>வரி %1: %2</translation>
    </message>
    <message>
      <source>%1 imported, %2 already saved.</source>
      <translation>%1 இறக்குமதி செய்யப்பட்டன, %2 ஏற்கெனவே சேமிக்கப்பட்டவை.</translation>
    </message>
    <message>
      <source>1 record was imported.</source>
      <translation>1 பதிவு இறக்குமதி செய்யப்பட்டது.</translation>
    </message>
    <message>
      <source>%1 records were imported.</source>
      <translation>%1 பதிவுகள் இறக்குமதி செய்யப்பட்டன.</translation>
    </message>
    <message>
      <source> 1 line was rejected:
</source>
      <translation> 1 வரி நிராகரிக்கப்பட்டது:
</translation>
    </message>
    <message>
      <source> %1 lines were rejected:
</source>
      <translation> %1 வரிகள் நிராகரிக்கப்பட்டன:
</translation>
    </message>
    <message>
      <source>
… and %1 more (Show Details lists them all).</source>
      <translation>
… மேலும் %1 (அனைத்தும் 'விவரங்களைக் காட்டு' இல்).</translation>
    </message>
    <message>
      <source>&amp;New</source>
      <translation>புதிது</translation>
    </message>
    <message>
      <source>&amp;Save Birth Details</source>
      <translation>பிறப்பு விவரங்களைச் சேமி</translation>
    </message>
    <message>
      <source>&amp;Open Saved…</source>
      <translation>சேமித்தவற்றைத் திற…</translation>
    </message>
    <message>
      <source>&amp;Recent</source>
      <translation>சமீபத்தியவை</translation>
    </message>
    <message>
      <source>&amp;Import…</source>
      <translation>இறக்குமதி…</translation>
    </message>
    <message>
      <source>&amp;Export…</source>
      <translation>ஏற்றுமதி…</translation>
    </message>
    <message>
      <source>Your &amp;Places…</source>
      <translation>உங்கள் இடங்கள்…</translation>
    </message>
    <message>
      <source>The birth details could not be saved: %1</source>
      <translation>பிறப்பு விவரங்களைச் சேமிக்க முடியவில்லை: %1</translation>
    </message>
    <message>
      <source>The record could not be updated: %1</source>
      <translation>பதிவைப் புதுப்பிக்க முடியவில்லை: %1</translation>
    </message>
    <message>
      <source>Saved the birth details of %1</source>
      <translation>%1 அவர்களின் பிறப்பு விவரங்கள் சேமிக்கப்பட்டன</translation>
    </message>
    <message>
      <source>The record could not be opened: %1</source>
      <translation>பதிவைத் திறக்க முடியவில்லை: %1</translation>
    </message>
    <message>
      <source>The record cannot be shown in the form: %1</source>
      <translation>பதிவைப் படிவத்தில் காட்ட முடியாது: %1</translation>
    </message>
    <message>
      <source>No saved birth details yet</source>
      <translation>இன்னும் பிறப்பு விவரங்கள் எதுவும் சேமிக்கப்படவில்லை</translation>
    </message>
    <message>
      <source>Nothing was imported from %1: %2</source>
      <translation>%1 இலிருந்து எதுவும் இறக்குமதி செய்யப்படவில்லை: %2</translation>
    </message>
    <message>
      <source>The records could not be exported: %1</source>
      <translation>பதிவுகளை ஏற்றுமதி செய்ய முடியவில்லை: %1</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>%1 க்கு ஏற்றுமதி செய்யப்பட்டது</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::ResultsWindow</name>
    <message>
      <source>Ghati Lagna - Chart</source>
      <translation>கடிகா லக்னம் - ஜாதகம்</translation>
    </message>
    <message>
      <source>Ghati Lagna Details</source>
      <translation>கடிகா லக்ன விவரங்கள்</translation>
    </message>
    <message>
      <source>Birth Time and Sunrise</source>
      <translation>பிறப்பு நேரமும் சூரிய உதயமும்</translation>
    </message>
    <message>
      <source>Birth Time Range</source>
      <translation>பிறப்பு நேர வரம்பு</translation>
    </message>
    <message>
      <source>Hora</source>
      <translation>ஹோரா</translation>
    </message>
    <message>
      <source>Divitional chart</source>
      <translation>வர்க்க ஜாதகம்</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::config</name>
    <message>
      <source>Talk about your chart with other users in our free astrology forum</source>
      <translation>எங்கள் இலவச ஜோதிட மன்றத்தில் மற்ற பயனர்களுடன் உங்கள் ஜாதகத்தைப் பற்றிப் பேசுங்கள்</translation>
    </message>
    <message>
      <source>Sell this software under your own brand with our fully branded edition</source>
      <translation>எங்கள் முழு பிராண்ட் பதிப்புடன் இந்த மென்பொருளை உங்கள் சொந்த பிராண்டில் விற்கவும்</translation>
    </message>
    <message>
      <source>Put your name and web address on this software with our co-branded edition</source>
      <translation>எங்கள் இணை பிராண்ட் பதிப்புடன் இந்த மென்பொருளில் உங்கள் பெயரையும் இணைய முகவரியையும் இடுங்கள்</translation>
    </message>
    <message>
      <source>&amp;Make Money</source>
      <translation>பணம் சம்பாதிக்க</translation>
    </message>
    <message>
      <source>More astrology software</source>
      <translation>மேலும் ஜோதிட மென்பொருள்</translation>
    </message>
    <message>
      <source>Visit us online</source>
      <translation>எங்கள் இணையதளம்</translation>
    </message>
    <message>
      <source>Sell this software under your own brand</source>
      <translation>இந்த மென்பொருளை உங்கள் சொந்த பிராண்டில் விற்கவும்</translation>
    </message>
    <message>
      <source>Want this software with your own name and logo?</source>
      <translation>இந்த மென்பொருள் உங்கள் சொந்தப் பெயர், சின்னத்துடன் வேண்டுமா?</translation>
    </message>
    <message>
      <source>Click here to learn more</source>
      <translation>மேலும் அறிய இங்கே சொடுக்கவும்</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::print::ChartPrintActions</name>
    <message>
      <source>&amp;Print…</source>
      <translation>அச்சிடு…</translation>
    </message>
    <message>
      <source>Export P&amp;DF…</source>
      <translation>PDF ஏற்றுமதி…</translation>
    </message>
    <message>
      <source>Export &amp;Image…</source>
      <translation>படம் ஏற்றுமதி…</translation>
    </message>
    <message>
      <source>The chart could not be printed.</source>
      <translation>ஜாதகத்தை அச்சிட முடியவில்லை.</translation>
    </message>
    <message>
      <source>Export PDF</source>
      <translation>PDF ஏற்றுமதி</translation>
    </message>
    <message>
      <source>Export Image</source>
      <translation>படம் ஏற்றுமதி</translation>
    </message>
    <message>
      <source>PDF documents (*.pdf)</source>
      <translation>PDF ஆவணங்கள் (*.pdf)</translation>
    </message>
    <message>
      <source>PNG images (*.png)</source>
      <translation>PNG படங்கள் (*.png)</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>%1 க்கு ஏற்றுமதி செய்யப்பட்டது</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>சரி</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>ரத்து</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>ஆம்</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>இல்லை</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>அனைத்துக்கும் ஆம்</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>அனைத்துக்கும் இல்லை</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>சேமி</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>திற</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>மூடு</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>பயன்படுத்து</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>நிராகரி</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>நிறுத்து</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>மீண்டும் முயல்</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>புறக்கணி</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>உதவி</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>விவரங்களைக் காட்டு</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>விவரங்களை மறை</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>சரி</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>ரத்து</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>ஆம்</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>இல்லை</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>அனைத்துக்கும் ஆம்</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>அனைத்துக்கும் இல்லை</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>சேமி</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>திற</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>மூடு</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>பயன்படுத்து</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>நிராகரி</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>நிறுத்து</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>மீண்டும் முயல்</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>புறக்கணி</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>உதவி</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>விவரங்களைக் காட்டு</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>விவரங்களை மறை</translation>
    </message>
  </context>
  <context>
    <name>QMessageBox</name>
    <message>
      <source>OK</source>
      <translation>சரி</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>ரத்து</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>ஆம்</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>இல்லை</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>அனைத்துக்கும் ஆம்</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>அனைத்துக்கும் இல்லை</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>சேமி</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>திற</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>மூடு</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>பயன்படுத்து</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>நிராகரி</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>நிறுத்து</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>மீண்டும் முயல்</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>புறக்கணி</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>உதவி</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>விவரங்களைக் காட்டு</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>விவரங்களை மறை</translation>
    </message>
  </context>
</TS>