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
  </context>
</TS>