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
  </context>
</TS>