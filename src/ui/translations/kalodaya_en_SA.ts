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
  </context>
</TS>