<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="kn">
  <context>
    <name>LanguageMenu</name>
    <message>
      <source>&amp;Language</source>
      <translation>ಭಾಷೆ</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Paste</source>
      <translation>ಅಂಟಿಸಿ</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AboutBox</name>
    <message>
      <source>OK</source>
      <translation>ಸರಿ</translation>
    </message>
    <message>
      <source>Kalodaya is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. Ghati Lagna signifies the importance of self in terms of fame, power, authority and status. This is important for analysis of progress in career, power of politicians etc.</source>
      <translation>Kalodaya ವೈದಿಕ ಜ್ಯೋತಿಷದ ಆಧಾರದ ಮೇಲೆ ಲೆಕ್ಕಹಾಕುವ ಒಂದು ವಿಶೇಷ ಲಗ್ನ. ಘಟಿಕಾ ಲಗ್ನವು ಕೀರ್ತಿ, ಶಕ್ತಿ, ಅಧಿಕಾರ ಮತ್ತು ಸ್ಥಾನಮಾನದ ದೃಷ್ಟಿಯಿಂದ ಸ್ವಂತದ ಮಹತ್ವವನ್ನು ಸೂಚಿಸುತ್ತದೆ. ವೃತ್ತಿಯಲ್ಲಿನ ಪ್ರಗತಿ, ರಾಜಕಾರಣಿಗಳ ಶಕ್ತಿ ಮುಂತಾದವುಗಳ ವಿಶ್ಲೇಷಣೆಗೆ ಇದು ಮುಖ್ಯ.</translation>
    </message>
    <message>
      <source>Place data: GeoNames (geonames.org), CC BY 4.0. Time zones: the IANA tz database.</source>
      <translation>ಸ್ಥಳ ಮಾಹಿತಿ: GeoNames (geonames.org), CC BY 4.0. ಸಮಯ ವಲಯಗಳು: IANA tz ದತ್ತಸಂಚಯ.</translation>
    </message>
    <message>
      <source>Licence: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.</source>
      <translation>ಪರವಾನಗಿ: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AppFrame</name>
    <message>
      <source>&amp;File</source>
      <translation>ಫೈಲ್</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>ಹಿಂದಕ್ಕೆ</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>ನಿರ್ಗಮಿಸಿ</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>ಸಹಾಯ</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>ಆನ್‌ಲೈನ್ ಸಹಾಯ</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>ನಮ್ಮ ಜಾಲತಾಣ ನೋಡಿ</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>ಸಾಫ್ಟ್‌ವೇರ್ ನವೀಕರಣ ಪರಿಶೀಲಿಸಿ</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>ಸಾಫ್ಟ್‌ವೇರ್ ಬಗ್ಗೆ</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>ದೇಣಿಗೆ</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::ChartStylePanel</name>
    <message>
      <source>South Indian chart</source>
      <translation>ದಕ್ಷಿಣ ಭಾರತೀಯ ಕುಂಡಲಿ</translation>
    </message>
    <message>
      <source>North Indian chart</source>
      <translation>ಉತ್ತರ ಭಾರತೀಯ ಕುಂಡಲಿ</translation>
    </message>
    <message>
      <source>East Indian chart</source>
      <translation>ಪೂರ್ವ ಭಾರತೀಯ ಕುಂಡಲಿ</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::EntryForm</name>
    <message>
      <source>&amp;File</source>
      <translation>ಫೈಲ್</translation>
    </message>
    <message>
      <source>Get My Ghati Lagna</source>
      <translation>ನನ್ನ ಘಟಿಕಾ ಲಗ್ನ</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>ನಿರ್ಗಮಿಸಿ</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>ಸಹಾಯ</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>ಆನ್‌ಲೈನ್ ಸಹಾಯ</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>ನಮ್ಮ ಜಾಲತಾಣ ನೋಡಿ</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>ಸಾಫ್ಟ್‌ವೇರ್ ನವೀಕರಣ ಪರಿಶೀಲಿಸಿ</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>ಸಾಫ್ಟ್‌ವೇರ್ ಬಗ್ಗೆ</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>ದೇಣಿಗೆ</translation>
    </message>
    <message>
      <source>Personal Details</source>
      <translation>ವೈಯಕ್ತಿಕ ವಿವರಗಳು</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>ಹೆಸರು</translation>
    </message>
    <message>
      <source>Date of Birth</source>
      <translation>ಜನನ ದಿನಾಂಕ</translation>
    </message>
    <message>
      <source>Time of Birth</source>
      <translation>ಜನನ ಸಮಯ</translation>
    </message>
    <message>
      <source>Place Details</source>
      <translation>ಸ್ಥಳದ ವಿವರಗಳು</translation>
    </message>
    <message>
      <source>City</source>
      <translation>ನಗರ</translation>
    </message>
    <message>
      <source>State</source>
      <translation>ರಾಜ್ಯ</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>ದೇಶ</translation>
    </message>
    <message>
      <source>Click for Latitude &amp;&amp; Longitude</source>
      <translation>ಅಕ್ಷಾಂಶ, ರೇಖಾಂಶಕ್ಕಾಗಿ ಕ್ಲಿಕ್ ಮಾಡಿ</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
      <source>Daylight Saving Time</source>
      <translation>ಹಗಲು ಉಳಿತಾಯ ಸಮಯ</translation>
    </message>
    <message>
      <source>Latitude</source>
      <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
      <source>North</source>
      <translation>ಉತ್ತರ</translation>
    </message>
    <message>
      <source>South</source>
      <translation>ದಕ್ಷಿಣ</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
      <source>East</source>
      <translation>ಪೂರ್ವ</translation>
    </message>
    <message>
      <source>West</source>
      <translation>ಪಶ್ಚಿಮ</translation>
    </message>
    <message>
      <source>Deg</source>
      <translation>ಅಂಶ</translation>
    </message>
    <message>
      <source>Min</source>
      <translation>ಕಲೆ</translation>
    </message>
    <message>
      <source>&amp;Get My Ghati Lagna</source>
      <translation>ನನ್ನ ಘಟಿಕಾ ಲಗ್ನ</translation>
    </message>
    <message>
      <source>&amp;Now</source>
      <translation>ಈಗ</translation>
    </message>
    <message>
      <source>Today's date and the time now</source>
      <translation>ಇಂದಿನ ದಿನಾಂಕ ಮತ್ತು ಈಗಿನ ಸಮಯ</translation>
    </message>
    <message>
      <source>Uncertain by</source>
      <translation>ಸಮಯದ ಅನಿಶ್ಚಿತತೆ</translation>
    </message>
    <message>
      <source> minutes</source>
      <translation> ನಿ.</translation>
    </message>
    <message>
      <source>How many minutes before or after the entered time the birth may have been (0: the time is exact)</source>
      <translation>ನಮೂದಿಸಿದ ಸಮಯಕ್ಕಿಂತ ಎಷ್ಟು ನಿ. ಮೊದಲು ಅಥವಾ ನಂತರ ಜನನ ಆಗಿರಬಹುದು (0: ಸಮಯ ನಿಖರ)</translation>
    </message>
    <message>
      <source>Calculation</source>
      <translation>ಗಣಿತ</translation>
    </message>
    <message>
      <source>YYYY-MM-DD</source>
      <translation>YYYY-MM-DD</translation>
    </message>
    <message>
      <source>The date of birth as YYYY-MM-DD</source>
      <translation>ಜನನ ದಿನಾಂಕ YYYY-MM-DD ರೂಪದಲ್ಲಿ</translation>
    </message>
    <message>
      <source>Pick the date of birth from a calendar</source>
      <translation>ಕ್ಯಾಲೆಂಡರ್‌ನಿಂದ ಜನನ ದಿನಾಂಕ ಆರಿಸಿ</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>ಸಾಂಪ್ರದಾಯಿಕ</translation>
    </message>
    <message>
      <source>Modern (Swiss Ephemeris)</source>
      <translation>ಆಧುನಿಕ (ಸ್ವಿಸ್ ಎಫೆಮೆರಿಸ್)</translation>
    </message>
    <message>
      <source>Lahiri</source>
      <translation>ಲಾಹಿರಿ</translation>
    </message>
    <message>
      <source>Raman</source>
      <translation>ರಾಮನ್</translation>
    </message>
    <message>
      <source>KP (Krishnamurti)</source>
      <translation>ಕೆ.ಪಿ. (ಕೃಷ್ಣಮೂರ್ತಿ)</translation>
    </message>
    <message>
      <source>True Chitra</source>
      <translation>ನಿಜ ಚಿತ್ರಾ</translation>
    </message>
    <message>
      <source>Mean</source>
      <translation>ಸರಾಸರಿ</translation>
    </message>
    <message>
      <source>True</source>
      <translation>ನಿಜ</translation>
    </message>
    <message>
      <source>Classic (upper limb, refraction)</source>
      <translation>ಸಾಂಪ್ರದಾಯಿಕ (ಮೇಲಿನ ಅಂಚು, ವಕ್ರೀಭವನ)</translation>
    </message>
    <message>
      <source>Hindu (disc centre, no refraction)</source>
      <translation>ಹಿಂದೂ (ಬಿಂಬದ ಕೇಂದ್ರ, ವಕ್ರೀಭವನವಿಲ್ಲ)</translation>
    </message>
    <message>
      <source>Ayanamsa</source>
      <translation>ಅಯನಾಂಶ</translation>
    </message>
    <message>
      <source>Node</source>
      <translation>ರಾಹು</translation>
    </message>
    <message>
      <source>Sunrise</source>
      <translation>ಸೂರ್ಯೋದಯ</translation>
    </message>
    <message>
      <source>Know more about the importance of self in terms of fame, power, authority and status with Kalodaya</source>
      <translation>ಕಾಲೋದಯದೊಂದಿಗೆ ಕೀರ್ತಿ, ಶಕ್ತಿ, ಅಧಿಕಾರ ಮತ್ತು ಸ್ಥಾನಮಾನದ ದೃಷ್ಟಿಯಿಂದ ನಿಮ್ಮ ಮಹತ್ವದ ಬಗ್ಗೆ ಇನ್ನಷ್ಟು ತಿಳಿಯಿರಿ</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OpenRecordsDialog</name>
    <message>
      <source>Open Saved Birth Details</source>
      <translation>ಉಳಿಸಿದ ಜನನ ವಿವರಗಳನ್ನು ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
      <source>&amp;Search by name, place or date of birth:</source>
      <translation>ಹೆಸರು, ಸ್ಥಳ ಅಥವಾ ಜನನ ದಿನಾಂಕದಿಂದ ಹುಡುಕಿ:</translation>
    </message>
    <message>
      <source>e.g. rama delhi 1990</source>
      <translation>ಉದಾ. rama delhi 1990</translation>
    </message>
    <message>
      <source>N&amp;ote:</source>
      <translation>ಟಿಪ್ಪಣಿ:</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>ಅಳಿಸಿ</translation>
    </message>
    <message>
      <source>No saved birth details yet.</source>
      <translation>ಇನ್ನೂ ಯಾವುದೇ ಜನನ ವಿವರಗಳನ್ನು ಉಳಿಸಿಲ್ಲ.</translation>
    </message>
    <message>
      <source>1 saved record</source>
      <translation>1 ಉಳಿಸಿದ ದಾಖಲೆ</translation>
    </message>
    <message>
      <source>%1 saved records</source>
      <translation>%1 ಉಳಿಸಿದ ದಾಖಲೆಗಳು</translation>
    </message>
    <message>
      <source>%1 of %2 saved records</source>
      <translation>%2 ಉಳಿಸಿದ ದಾಖಲೆಗಳಲ್ಲಿ %1</translation>
    </message>
    <message>
      <source>The note could not be saved: %1</source>
      <translation>ಟಿಪ್ಪಣಿಯನ್ನು ಉಳಿಸಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
      <source>Delete the saved birth details of %1 (born %2)? This cannot be undone.</source>
      <translation>%1 (ಜನನ %2) ಅವರ ಉಳಿಸಿದ ಜನನ ವಿವರಗಳನ್ನು ಅಳಿಸಬೇಕೆ? ಇದನ್ನು ಹಿಂಪಡೆಯಲಾಗದು.</translation>
    </message>
    <message>
      <source>this record</source>
      <translation>ಈ ದಾಖಲೆ</translation>
    </message>
    <message>
      <source>The record could not be deleted: %1</source>
      <translation>ದಾಖಲೆಯನ್ನು ಅಳಿಸಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OwnPlacesDialog</name>
    <message>
      <source>Your Places</source>
      <translation>ನಿಮ್ಮ ಸ್ಥಳಗಳು</translation>
    </message>
    <message>
      <source>Place</source>
      <translation>ಸ್ಥಳ</translation>
    </message>
    <message>
      <source>State</source>
      <translation>ರಾಜ್ಯ</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>ದೇಶ</translation>
    </message>
    <message>
      <source>Latitude</source>
      <translation>ಅಕ್ಷಾಂಶ</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>ರೇಖಾಂಶ</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>ಸಮಯ ವಲಯ</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>ಅಳಿಸಿ</translation>
    </message>
    <message>
      <source>Your places could not be read: %1</source>
      <translation>ನಿಮ್ಮ ಸ್ಥಳಗಳನ್ನು ಓದಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
      <source>A place needs a name.</source>
      <translation>ಸ್ಥಳಕ್ಕೆ ಹೆಸರು ಬೇಕು.</translation>
    </message>
    <message>
      <source>Write the latitude as degrees:minutes and N or S (28:39N).</source>
      <translation>ಅಕ್ಷಾಂಶವನ್ನು ಅಂಶ:ಕಲೆ ಮತ್ತು N ಅಥವಾ S ಎಂದು ಬರೆಯಿರಿ (28:39N).</translation>
    </message>
    <message>
      <source>Write the longitude as degrees:minutes and E or W (77:13E).</source>
      <translation>ರೇಖಾಂಶವನ್ನು ಅಂಶ:ಕಲೆ ಮತ್ತು E ಅಥವಾ W ಎಂದು ಬರೆಯಿರಿ (77:13E).</translation>
    </message>
    <message>
      <source>The place was not changed. %1</source>
      <translation>ಸ್ಥಳವನ್ನು ಬದಲಾಯಿಸಲಿಲ್ಲ. %1</translation>
    </message>
    <message>
      <source>Delete %1 from your places?</source>
      <translation>%1 ಅನ್ನು ನಿಮ್ಮ ಸ್ಥಳಗಳಿಂದ ಅಳಿಸಬೇಕೆ?</translation>
    </message>
    <message>
      <source>The place could not be deleted: %1</source>
      <translation>ಸ್ಥಳವನ್ನು ಅಳಿಸಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsDialogs</name>
    <message>
      <source>The birth details of %1 have changed since they were opened. Update the saved record, or save them as a new one and keep the saved record as it is?</source>
      <translation>%1 ಅವರ ಜನನ ವಿವರಗಳು ತೆರೆದ ನಂತರ ಬದಲಾಗಿವೆ. ಉಳಿಸಿದ ದಾಖಲೆಯನ್ನು ನವೀಕರಿಸಬೇಕೆ, ಅಥವಾ ಹೊಸ ದಾಖಲೆಯಾಗಿ ಉಳಿಸಿ ಹಳೆಯದನ್ನು ಹಾಗೆಯೇ ಇಡಬೇಕೆ?</translation>
    </message>
    <message>
      <source>The form was opened from the saved birth details of %1 and now holds those of %2. Save %2 as a new record and keep %1's as it is, or update %1's record with %2's details?</source>
      <translation>ನಮೂನೆಯನ್ನು %1 ಅವರ ಉಳಿಸಿದ ಜನನ ವಿವರಗಳಿಂದ ತೆರೆಯಲಾಗಿತ್ತು, ಈಗ ಅದರಲ್ಲಿ %2 ಅವರ ವಿವರಗಳಿವೆ. %2 ಅನ್ನು ಹೊಸ ದಾಖಲೆಯಾಗಿ ಉಳಿಸಿ %1 ಅವರ ದಾಖಲೆಯನ್ನು ಹಾಗೆಯೇ ಇಡಬೇಕೆ, ಅಥವಾ %1 ಅವರ ದಾಖಲೆಯನ್ನು %2 ಅವರ ವಿವರಗಳಿಂದ ನವೀಕರಿಸಬೇಕೆ?</translation>
    </message>
    <message>
      <source>&amp;Update</source>
      <translation>ನವೀಕರಿಸಿ</translation>
    </message>
    <message>
      <source>Save as &amp;New</source>
      <translation>ಹೊಸದಾಗಿ ಉಳಿಸಿ</translation>
    </message>
    <message>
      <source>Import Birth Details</source>
      <translation>ಜನನ ವಿವರಗಳ ಆಮದು</translation>
    </message>
    <message>
      <source>Export Birth Details</source>
      <translation>ಜನನ ವಿವರಗಳ ರಫ್ತು</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsMenu</name>
    <message>
      <source>Line %1: %2</source>
      <translation>ಸಾಲು %1: %2</translation>
    </message>
    <message>
      <source>%1 imported, %2 already saved.</source>
      <translation>%1 ಆಮದಾದವು, %2 ಈಗಾಗಲೇ ಉಳಿಸಲಾಗಿದೆ.</translation>
    </message>
    <message>
      <source>1 record was imported.</source>
      <translation>1 ದಾಖಲೆ ಆಮದಾಯಿತು.</translation>
    </message>
    <message>
      <source>%1 records were imported.</source>
      <translation>%1 ದಾಖಲೆಗಳು ಆಮದಾದವು.</translation>
    </message>
    <message>
      <source> 1 line was rejected:
</source>
      <translation> 1 ಸಾಲು ತಿರಸ್ಕೃತವಾಯಿತು:
</translation>
    </message>
    <message>
      <source> %1 lines were rejected:
</source>
      <translation> %1 ಸಾಲುಗಳು ತಿರಸ್ಕೃತವಾದವು:
</translation>
    </message>
    <message>
      <source>
… and %1 more (Show Details lists them all).</source>
      <translation>
… ಇನ್ನೂ %1 ('ವಿವರಗಳನ್ನು ತೋರಿಸಿ' ಯಲ್ಲಿ ಎಲ್ಲವೂ).</translation>
    </message>
    <message>
      <source>&amp;New</source>
      <translation>ಹೊಸದು</translation>
    </message>
    <message>
      <source>&amp;Save Birth Details</source>
      <translation>ಜನನ ವಿವರಗಳನ್ನು ಉಳಿಸಿ</translation>
    </message>
    <message>
      <source>&amp;Open Saved…</source>
      <translation>ಉಳಿಸಿದ್ದನ್ನು ತೆರೆಯಿರಿ…</translation>
    </message>
    <message>
      <source>&amp;Recent</source>
      <translation>ಇತ್ತೀಚಿನವು</translation>
    </message>
    <message>
      <source>&amp;Import…</source>
      <translation>ಆಮದು…</translation>
    </message>
    <message>
      <source>&amp;Export…</source>
      <translation>ರಫ್ತು…</translation>
    </message>
    <message>
      <source>Your &amp;Places…</source>
      <translation>ನಿಮ್ಮ ಸ್ಥಳಗಳು…</translation>
    </message>
    <message>
      <source>The birth details could not be saved: %1</source>
      <translation>ಜನನ ವಿವರಗಳನ್ನು ಉಳಿಸಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
      <source>The record could not be updated: %1</source>
      <translation>ದಾಖಲೆಯನ್ನು ನವೀಕರಿಸಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
      <source>Saved the birth details of %1</source>
      <translation>%1 ಅವರ ಜನನ ವಿವರಗಳನ್ನು ಉಳಿಸಲಾಗಿದೆ</translation>
    </message>
    <message>
      <source>The record could not be opened: %1</source>
      <translation>ದಾಖಲೆಯನ್ನು ತೆರೆಯಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
      <source>The record cannot be shown in the form: %1</source>
      <translation>ದಾಖಲೆಯನ್ನು ನಮೂನೆಯಲ್ಲಿ ತೋರಿಸಲಾಗದು: %1</translation>
    </message>
    <message>
      <source>No saved birth details yet</source>
      <translation>ಇನ್ನೂ ಯಾವುದೇ ಜನನ ವಿವರಗಳನ್ನು ಉಳಿಸಿಲ್ಲ</translation>
    </message>
    <message>
      <source>Nothing was imported from %1: %2</source>
      <translation>%1 ರಿಂದ ಏನೂ ಆಮದಾಗಲಿಲ್ಲ: %2</translation>
    </message>
    <message>
      <source>The records could not be exported: %1</source>
      <translation>ದಾಖಲೆಗಳನ್ನು ರಫ್ತು ಮಾಡಲಾಗಲಿಲ್ಲ: %1</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>%1 ಗೆ ರಫ್ತು ಮಾಡಲಾಗಿದೆ</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::ResultsWindow</name>
    <message>
      <source>Ghati Lagna - Chart</source>
      <translation>ಘಟಿಕಾ ಲಗ್ನ - ಕುಂಡಲಿ</translation>
    </message>
    <message>
      <source>Ghati Lagna Details</source>
      <translation>ಘಟಿಕಾ ಲಗ್ನದ ವಿವರಗಳು</translation>
    </message>
    <message>
      <source>Birth Time and Sunrise</source>
      <translation>ಜನನ ಸಮಯ ಮತ್ತು ಸೂರ್ಯೋದಯ</translation>
    </message>
    <message>
      <source>Birth Time Range</source>
      <translation>ಜನನ ಸಮಯದ ಅವಧಿ</translation>
    </message>
    <message>
      <source>Hora</source>
      <translation>ಹೋರಾ</translation>
    </message>
    <message>
      <source>Divitional chart</source>
      <translation>ವರ್ಗ ಕುಂಡಲಿ</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::config</name>
    <message>
      <source>Talk about your chart with other users in our free astrology forum</source>
      <translation>ನಮ್ಮ ಉಚಿತ ಜ್ಯೋತಿಷ ವೇದಿಕೆಯಲ್ಲಿ ಇತರ ಬಳಕೆದಾರರೊಂದಿಗೆ ನಿಮ್ಮ ಕುಂಡಲಿಯ ಬಗ್ಗೆ ಮಾತನಾಡಿ</translation>
    </message>
    <message>
      <source>Sell this software under your own brand with our fully branded edition</source>
      <translation>ನಮ್ಮ ಪೂರ್ಣ ಬ್ರಾಂಡೆಡ್ ಆವೃತ್ತಿಯೊಂದಿಗೆ ಈ ಸಾಫ್ಟ್‌ವೇರ್ ಅನ್ನು ನಿಮ್ಮ ಸ್ವಂತ ಬ್ರಾಂಡ್‌ನಲ್ಲಿ ಮಾರಾಟ ಮಾಡಿ</translation>
    </message>
    <message>
      <source>Put your name and web address on this software with our co-branded edition</source>
      <translation>ನಮ್ಮ ಸಹ-ಬ್ರಾಂಡೆಡ್ ಆವೃತ್ತಿಯೊಂದಿಗೆ ಈ ಸಾಫ್ಟ್‌ವೇರ್‌ನಲ್ಲಿ ನಿಮ್ಮ ಹೆಸರು ಮತ್ತು ಜಾಲ ವಿಳಾಸ ಹಾಕಿ</translation>
    </message>
    <message>
      <source>&amp;Make Money</source>
      <translation>ಹಣ ಗಳಿಸಿ</translation>
    </message>
    <message>
      <source>More astrology software</source>
      <translation>ಇನ್ನಷ್ಟು ಜ್ಯೋತಿಷ ಸಾಫ್ಟ್‌ವೇರ್</translation>
    </message>
    <message>
      <source>Visit us online</source>
      <translation>ನಮ್ಮ ಜಾಲತಾಣ ನೋಡಿ</translation>
    </message>
    <message>
      <source>Sell this software under your own brand</source>
      <translation>ಈ ಸಾಫ್ಟ್‌ವೇರ್ ಅನ್ನು ನಿಮ್ಮ ಸ್ವಂತ ಬ್ರಾಂಡ್‌ನಲ್ಲಿ ಮಾರಾಟ ಮಾಡಿ</translation>
    </message>
    <message>
      <source>Want this software with your own name and logo?</source>
      <translation>ಈ ಸಾಫ್ಟ್‌ವೇರ್ ನಿಮ್ಮ ಸ್ವಂತ ಹೆಸರು ಮತ್ತು ಲೋಗೋದೊಂದಿಗೆ ಬೇಕೇ?</translation>
    </message>
    <message>
      <source>Click here to learn more</source>
      <translation>ಹೆಚ್ಚು ತಿಳಿಯಲು ಇಲ್ಲಿ ಕ್ಲಿಕ್ ಮಾಡಿ</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::print::ChartPrintActions</name>
    <message>
      <source>&amp;Print…</source>
      <translation>ಮುದ್ರಿಸಿ…</translation>
    </message>
    <message>
      <source>Export P&amp;DF…</source>
      <translation>PDF ರಫ್ತು…</translation>
    </message>
    <message>
      <source>Export &amp;Image…</source>
      <translation>ಚಿತ್ರ ರಫ್ತು…</translation>
    </message>
    <message>
      <source>The chart could not be printed.</source>
      <translation>ಕುಂಡಲಿಯನ್ನು ಮುದ್ರಿಸಲಾಗಲಿಲ್ಲ.</translation>
    </message>
    <message>
      <source>Export PDF</source>
      <translation>PDF ರಫ್ತು</translation>
    </message>
    <message>
      <source>Export Image</source>
      <translation>ಚಿತ್ರ ರಫ್ತು</translation>
    </message>
    <message>
      <source>PDF documents (*.pdf)</source>
      <translation>PDF ದಾಖಲೆಗಳು (*.pdf)</translation>
    </message>
    <message>
      <source>PNG images (*.png)</source>
      <translation>PNG ಚಿತ್ರಗಳು (*.png)</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>%1 ಗೆ ರಫ್ತು ಮಾಡಲಾಗಿದೆ</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>ಸರಿ</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>ರದ್ದುಮಾಡಿ</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>ಹೌದು</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>ಇಲ್ಲ</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>ಎಲ್ಲಕ್ಕೂ ಹೌದು</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>ಎಲ್ಲಕ್ಕೂ ಇಲ್ಲ</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>ಉಳಿಸಿ</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>ಮುಚ್ಚಿ</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>ಅನ್ವಯಿಸಿ</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>ತ್ಯಜಿಸಿ</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>ನಿಲ್ಲಿಸಿ</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>ನಿರ್ಲಕ್ಷಿಸಿ</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>ಸಹಾಯ</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>ವಿವರಗಳನ್ನು ತೋರಿಸಿ</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>ವಿವರಗಳನ್ನು ಮರೆಮಾಡಿ</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>ಸರಿ</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>ರದ್ದುಮಾಡಿ</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>ಹೌದು</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>ಇಲ್ಲ</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>ಎಲ್ಲಕ್ಕೂ ಹೌದು</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>ಎಲ್ಲಕ್ಕೂ ಇಲ್ಲ</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>ಉಳಿಸಿ</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>ಮುಚ್ಚಿ</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>ಅನ್ವಯಿಸಿ</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>ತ್ಯಜಿಸಿ</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>ನಿಲ್ಲಿಸಿ</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>ನಿರ್ಲಕ್ಷಿಸಿ</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>ಸಹಾಯ</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>ವಿವರಗಳನ್ನು ತೋರಿಸಿ</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>ವಿವರಗಳನ್ನು ಮರೆಮಾಡಿ</translation>
    </message>
  </context>
  <context>
    <name>QMessageBox</name>
    <message>
      <source>OK</source>
      <translation>ಸರಿ</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>ರದ್ದುಮಾಡಿ</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>ಹೌದು</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>ಇಲ್ಲ</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>ಎಲ್ಲಕ್ಕೂ ಹೌದು</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>ಎಲ್ಲಕ್ಕೂ ಇಲ್ಲ</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>ಉಳಿಸಿ</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>ತೆರೆಯಿರಿ</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>ಮುಚ್ಚಿ</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>ಅನ್ವಯಿಸಿ</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>ತ್ಯಜಿಸಿ</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>ನಿಲ್ಲಿಸಿ</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>ನಿರ್ಲಕ್ಷಿಸಿ</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>ಸಹಾಯ</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>ವಿವರಗಳನ್ನು ತೋರಿಸಿ</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>ವಿವರಗಳನ್ನು ಮರೆಮಾಡಿ</translation>
    </message>
  </context>
</TS>