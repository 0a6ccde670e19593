<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_SA">
  <context>
    <name>LanguageMenu</name>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Language</translation>
    </message>
  </context>
  <context>
    <name>QLineEdit</name>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Paste</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AboutBox</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Kalodaya is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. Ghati Lagna signifies the importance of self in terms of fame, power, authority and status. This is important for analysis of progress in career, power of politicians etc.</source>
      <translation>Kalodaya is a special Lagna (Ascendant) calculated on the basis of Vedic Astrology. Ghati Lagna signifies the importance of self in terms of fame, power, authority and status. This is important for analysis of progress in career, power of politicians etc.</translation>
    </message>
    <message>
      <source>Place data: GeoNames (geonames.org), CC BY 4.0. Time zones: the IANA tz database.</source>
      <translation>Place data: GeoNames (geonames.org), CC BY 4.0. Time zones: the IANA tz database.</translation>
    </message>
    <message>
      <source>Licence: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.</source>
      <translation>Licence: AGPL-3.0-or-later. Swiss Ephemeris: Astrodienst, AGPL.</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::AppFrame</name>
    <message>
      <source>&amp;File</source>
      <translation>&amp;File</translation>
    </message>
    <message>
      <source>&amp;Back</source>
      <translation>&amp;Back</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>E&amp;xit</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Help</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>&amp;Online Help</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>&amp;Visit Us Online</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>Check for Software &amp;Update</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>&amp;About Software</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>&amp;Donate</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::ChartStylePanel</name>
    <message>
      <source>South Indian chart</source>
      <translation>South Indian chart</translation>
    </message>
    <message>
      <source>North Indian chart</source>
      <translation>North Indian chart</translation>
    </message>
    <message>
      <source>East Indian chart</source>
      <translation>East Indian chart</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::EntryForm</name>
    <message>
      <source>&amp;File</source>
      <translation>&amp;File</translation>
    </message>
    <message>
      <source>Get My Ghati Lagna</source>
      <translation>Get My Ghati Lagna</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>E&amp;xit</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>&amp;Help</translation>
    </message>
    <message>
      <source>&amp;Online Help</source>
      <translation>&amp;Online Help</translation>
    </message>
    <message>
      <source>&amp;Visit Us Online</source>
      <translation>&amp;Visit Us Online</translation>
    </message>
    <message>
      <source>Check for Software &amp;Update</source>
      <translation>Check for Software &amp;Update</translation>
    </message>
    <message>
      <source>&amp;About Software</source>
      <translation>&amp;About Software</translation>
    </message>
    <message>
      <source>&amp;Donate</source>
      <translation>&amp;Donate</translation>
    </message>
    <message>
      <source>Personal Details</source>
      <translation>Personal Details</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Name</translation>
    </message>
    <message>
      <source>Date of Birth</source>
      <translation>Date of Birth</translation>
    </message>
    <message>
      <source>Time of Birth</source>
      <translation>Time of Birth</translation>
    </message>
    <message>
      <source>Place Details</source>
      <translation>Place Details</translation>
    </message>
    <message>
      <source>City</source>
      <translation>City</translation>
    </message>
    <message>
      <source>State</source>
      <translation>State</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>Country</translation>
    </message>
    <message>
      <source>Click for Latitude &amp;&amp; Longitude</source>
      <translation>Click for Latitude &amp;&amp; Longitude</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>Zone</translation>
    </message>
    <message>
      <source>Daylight Saving Time</source>
      <translation>Daylight Saving Time</translation>
    </message>
    <message>
      <source>Latitude</source>
      <translation>Latitude</translation>
    </message>
    <message>
      <source>North</source>
      <translation>North</translation>
    </message>
    <message>
      <source>South</source>
      <translation>South</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>Longitude</translation>
    </message>
    <message>
      <source>East</source>
      <translation>East</translation>
    </message>
    <message>
      <source>West</source>
      <translation>West</translation>
    </message>
    <message>
      <source>Deg</source>
      <translation>Deg</translation>
    </message>
    <message>
      <source>Min</source>
      <translation>Min</translation>
    </message>
    <message>
      <source>&amp;Get My Ghati Lagna</source>
      <translation>&amp;Get My Ghati Lagna</translation>
    </message>
    <message>
      <source>&amp;Now</source>
      <translation>&amp;Now</translation>
    </message>
    <message>
      <source>Today's date and the time now</source>
      <translation>Today's date and the time now</translation>
    </message>
    <message>
      <source>Uncertain by</source>
      <translation>Uncertain by</translation>
    </message>
    <message>
      <source> minutes</source>
      <translation> minutes</translation>
    </message>
    <message>
      <source>How many minutes before or after the entered time the birth may have been (0: the time is exact)</source>
      <translation>How many minutes before or after the entered time the birth may have been (0: the time is exact)</translation>
    </message>
    <message>
      <source>Calculation</source>
      <translation>Calculation</translation>
    </message>
    <message>
      <source>YYYY-MM-DD</source>
      <translation>YYYY-MM-DD</translation>
    </message>
    <message>
      <source>The date of birth as YYYY-MM-DD</source>
      <translation>The date of birth as YYYY-MM-DD</translation>
    </message>
    <message>
      <source>Pick the date of birth from a calendar</source>
      <translation>Pick the date of birth from a calendar</translation>
    </message>
    <message>
      <source>Classic</source>
      <translation>Classic</translation>
    </message>
    <message>
      <source>Modern (Swiss Ephemeris)</source>
      <translation>Modern (Swiss Ephemeris)</translation>
    </message>
    <message>
      <source>Lahiri</source>
      <translation>Lahiri</translation>
    </message>
    <message>
      <source>Raman</source>
      <translation>Raman</translation>
    </message>
    <message>
      <source>KP (Krishnamurti)</source>
      <translation>KP (Krishnamurti)</translation>
    </message>
    <message>
      <source>True Chitra</source>
      <translation>True Chitra</translation>
    </message>
    <message>
      <source>Mean</source>
      <translation>Mean</translation>
    </message>
    <message>
      <source>True</source>
      <translation>True</translation>
    </message>
    <message>
      <source>Classic (upper limb, refraction)</source>
      <translation>Classic (upper limb, refraction)</translation>
    </message>
    <message>
      <source>Hindu (disc centre, no refraction)</source>
      <translation>Hindu (disc centre, no refraction)</translation>
    </message>
    <message>
      <source>Ayanamsa</source>
      <translation>Ayanamsa</translation>
    </message>
    <message>
      <source>Node</source>
      <translation>Node</translation>
    </message>
    <message>
      <source>Sunrise</source>
      <translation>Sunrise</translation>
    </message>
    <message>
      <source>Know more about the importance of self in terms of fame, power, authority and status with Kalodaya</source>
      <translation>Know more about the importance of self in terms of fame, power, authority and status with Kalodaya</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OpenRecordsDialog</name>
    <message>
      <source>Open Saved Birth Details</source>
      <translation>Open Saved Birth Details</translation>
    </message>
    <message>
      <source>&amp;Search by name, place or date of birth:</source>
      <translation>&amp;Search by name, place or date of birth:</translation>
    </message>
    <message>
      <source>e.g. rama delhi 1990</source>
      <translation>e.g. rama delhi 1990</translation>
    </message>
    <message>
      <source>N&amp;ote:</source>
      <translation>N&amp;ote:</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Open</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Delete</translation>
    </message>
    <message>
      <source>No saved birth details yet.</source>
      <translation>No saved birth details yet.</translation>
    </message>
    <message>
      <source>1 saved record</source>
      <translation>1 saved record</translation>
    </message>
    <message>
      <source>%1 saved records</source>
      <translation>%1 saved records</translation>
    </message>
    <message>
      <source>%1 of %2 saved records</source>
      <translation>%1 of %2 saved records</translation>
    </message>
    <message>
      <source>The note could not be saved: %1</source>
      <translation>The note could not be saved: %1</translation>
    </message>
    <message>
      <source>Delete the saved birth details of %1 (born %2)? This cannot be undone.</source>
      <translation>Delete the saved birth details of %1 (born %2)? This cannot be undone.</translation>
    </message>
    <message>
      <source>this record</source>
      <translation>this record</translation>
    </message>
    <message>
      <source>The record could not be deleted: %1</source>
      <translation>The record could not be deleted: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::OwnPlacesDialog</name>
    <message>
      <source>Your Places</source>
      <translation>Your Places</translation>
    </message>
    <message>
      <source>Place</source>
      <translation>Place</translation>
    </message>
    <message>
      <source>State</source>
      <translation>State</translation>
    </message>
    <message>
      <source>Country</source>
      <translation>Country</translation>
    </message>
    <message>
      <source>Latitude</source>
      <translation>Latitude</translation>
    </message>
    <message>
      <source>Longitude</source>
      <translation>Longitude</translation>
    </message>
    <message>
      <source>Zone</source>
      <translation>Zone</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Delete</translation>
    </message>
    <message>
      <source>Your places could not be read: %1</source>
      <translation>Your places could not be read: %1</translation>
    </message>
    <message>
      <source>A place needs a name.</source>
      <translation>A place needs a name.</translation>
    </message>
    <message>
      <source>Write the latitude as degrees:minutes and N or S (28:39N).</source>
      <translation>Write the latitude as degrees:minutes and N or S (28:39N).</translation>
    </message>
    <message>
      <source>Write the longitude as degrees:minutes and E or W (77:13E).</source>
      <translation>Write the longitude as degrees:minutes and E or W (77:13E).</translation>
    </message>
    <message>
      <source>The place was not changed. %1</source>
      <translation>The place was not changed. %1</translation>
    </message>
    <message>
      <source>Delete %1 from your places?</source>
      <translation>Delete %1 from your places?</translation>
    </message>
    <message>
      <source>The place could not be deleted: %1</source>
      <translation>The place could not be deleted: %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsDialogs</name>
    <message>
      <source>The birth details of %1 have changed since they were opened. Update the saved record, or save them as a new one and keep the saved record as it is?</source>
      <translation>The birth details of %1 have changed since they were opened. Update the saved record, or save them as a new one and keep the saved record as it is?</translation>
    </message>
    <message>
      <source>The form was opened from the saved birth details of %1 and now holds those of %2. Save %2 as a new record and keep %1's as it is, or update %1's record with %2's details?</source>
      <translation>The form was opened from the saved birth details of %1 and now holds those of %2. Save %2 as a new record and keep %1's as it is, or update %1's record with %2's details?</translation>
    </message>
    <message>
      <source>&amp;Update</source>
      <translation>&amp;Update</translation>
    </message>
    <message>
      <source>Save as &amp;New</source>
      <translation>Save as &amp;New</translation>
    </message>
    <message>
      <source>Import Birth Details</source>
      <translation>Import Birth Details</translation>
    </message>
    <message>
      <source>Export Birth Details</source>
      <translation>Export Birth Details</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::RecordsMenu</name>
    <message>
      <source>Line %1: %2</source>
      <translation>Line %1: %2</translation>
    </message>
    <message>
      <source>%1 imported, %2 already saved.</source>
      <translation>%1 imported, %2 already saved.</translation>
    </message>
    <message>
      <source>1 record was imported.</source>
      <translation>1 record was imported.</translation>
    </message>
    <message>
      <source>%1 records were imported.</source>
      <translation>%1 records were imported.</translation>
    </message>
    <message>
      <source> 1 line was rejected:
</source>
      <translation> 1 line was rejected:
</translation>
    </message>
    <message>
      <source> %1 lines were rejected:
</source>
      <translation> %1 lines were rejected:
</translation>
    </message>
    <message>
      <source>
… and %1 more (Show Details lists them all).</source>
      <translation>
… and %1 more (Show Details lists them all).</translation>
    </message>
    <message>
      <source>&amp;New</source>
      <translation>&amp;New</translation>
    </message>
    <message>
      <source>&amp;Save Birth Details</source>
      <translation>&amp;Save Birth Details</translation>
    </message>
    <message>
      <source>&amp;Open Saved…</source>
      <translation>&amp;Open Saved…</translation>
    </message>
    <message>
      <source>&amp;Recent</source>
      <translation>&amp;Recent</translation>
    </message>
    <message>
      <source>&amp;Import…</source>
      <translation>&amp;Import…</translation>
    </message>
    <message>
      <source>&amp;Export…</source>
      <translation>&amp;Export…</translation>
    </message>
    <message>
      <source>Your &amp;Places…</source>
      <translation>Your &amp;Places…</translation>
    </message>
    <message>
      <source>The birth details could not be saved: %1</source>
      <translation>The birth details could not be saved: %1</translation>
    </message>
    <message>
      <source>The record could not be updated: %1</source>
      <translation>The record could not be updated: %1</translation>
    </message>
    <message>
      <source>Saved the birth details of %1</source>
      <translation>Saved the birth details of %1</translation>
    </message>
    <message>
      <source>The record could not be opened: %1</source>
      <translation>The record could not be opened: %1</translation>
    </message>
    <message>
      <source>The record cannot be shown in the form: %1</source>
      <translation>The record cannot be shown in the form: %1</translation>
    </message>
    <message>
      <source>No saved birth details yet</source>
      <translation>No saved birth details yet</translation>
    </message>
    <message>
      <source>Nothing was imported from %1: %2</source>
      <translation>Nothing was imported from %1: %2</translation>
    </message>
    <message>
      <source>The records could not be exported: %1</source>
      <translation>The records could not be exported: %1</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>Exported to %1</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::ResultsWindow</name>
    <message>
      <source>Ghati Lagna - Chart</source>
      <translation>Ghati Lagna - Chart</translation>
    </message>
    <message>
      <source>Ghati Lagna Details</source>
      <translation>Ghati Lagna Details</translation>
    </message>
    <message>
      <source>Birth Time and Sunrise</source>
      <translation>Birth Time and Sunrise</translation>
    </message>
    <message>
      <source>Birth Time Range</source>
      <translation>Birth Time Range</translation>
    </message>
    <message>
      <source>Hora</source>
      <translation>Hora</translation>
    </message>
    <message>
      <source>Divitional chart</source>
      <translation>Divitional chart</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::config</name>
    <message>
      <source>Talk about your chart with other users in our free astrology forum</source>
      <translation>Talk about your chart with other users in our free astrology forum</translation>
    </message>
    <message>
      <source>Sell this software under your own brand with our fully branded edition</source>
      <translation>Sell this software under your own brand with our fully branded edition</translation>
    </message>
    <message>
      <source>Put your name and web address on this software with our co-branded edition</source>
      <translation>Put your name and web address on this software with our co-branded edition</translation>
    </message>
    <message>
      <source>&amp;Make Money</source>
      <translation>&amp;Make Money</translation>
    </message>
    <message>
      <source>More astrology software</source>
      <translation>More astrology software</translation>
    </message>
    <message>
      <source>Visit us online</source>
      <translation>Visit us online</translation>
    </message>
    <message>
      <source>Sell this software under your own brand</source>
      <translation>Sell this software under your own brand</translation>
    </message>
    <message>
      <source>Want this software with your own name and logo?</source>
      <translation>Want this software with your own name and logo?</translation>
    </message>
    <message>
      <source>Click here to learn more</source>
      <translation>Click here to learn more</translation>
    </message>
  </context>
  <context>
    <name>kalodaya::ui::print::ChartPrintActions</name>
    <message>
      <source>&amp;Print…</source>
      <translation>&amp;Print…</translation>
    </message>
    <message>
      <source>Export P&amp;DF…</source>
      <translation>Export P&amp;DF…</translation>
    </message>
    <message>
      <source>Export &amp;Image…</source>
      <translation>Export &amp;Image…</translation>
    </message>
    <message>
      <source>The chart could not be printed.</source>
      <translation>The chart could not be printed.</translation>
    </message>
    <message>
      <source>Export PDF</source>
      <translation>Export PDF</translation>
    </message>
    <message>
      <source>Export Image</source>
      <translation>Export Image</translation>
    </message>
    <message>
      <source>PDF documents (*.pdf)</source>
      <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
      <source>PNG images (*.png)</source>
      <translation>PNG images (*.png)</translation>
    </message>
    <message>
      <source>Exported to %1</source>
      <translation>Exported to %1</translation>
    </message>
  </context>
  <context>
    <name>QPlatformTheme</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Yes</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;No</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Yes to &amp;All</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>N&amp;o to All</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Save</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Open</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Close</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Apply</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Discard</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Abort</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Retry</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Ignore</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Help</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>Show Details...</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>Hide Details...</translation>
    </message>
  </context>
  <context>
    <name>QDialogButtonBox</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Yes</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;No</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Yes to &amp;All</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>N&amp;o to All</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Save</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Open</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Close</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Apply</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Discard</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Abort</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Retry</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Ignore</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Help</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>Show Details...</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>Hide Details...</translation>
    </message>
  </context>
  <context>
    <name>QMessageBox</name>
    <message>
      <source>OK</source>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancel</translation>
    </message>
    <message>
      <source>&amp;Yes</source>
      <translation>&amp;Yes</translation>
    </message>
    <message>
      <source>&amp;No</source>
      <translation>&amp;No</translation>
    </message>
    <message>
      <source>Yes to &amp;All</source>
      <translation>Yes to &amp;All</translation>
    </message>
    <message>
      <source>N&amp;o to All</source>
      <translation>N&amp;o to All</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Save</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Open</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Close</translation>
    </message>
    <message>
      <source>Apply</source>
      <translation>Apply</translation>
    </message>
    <message>
      <source>Discard</source>
      <translation>Discard</translation>
    </message>
    <message>
      <source>Abort</source>
      <translation>Abort</translation>
    </message>
    <message>
      <source>Retry</source>
      <translation>Retry</translation>
    </message>
    <message>
      <source>Ignore</source>
      <translation>Ignore</translation>
    </message>
    <message>
      <source>Help</source>
      <translation>Help</translation>
    </message>
    <message>
      <source>Show Details...</source>
      <translation>Show Details...</translation>
    </message>
    <message>
      <source>Hide Details...</source>
      <translation>Hide Details...</translation>
    </message>
  </context>
</TS>