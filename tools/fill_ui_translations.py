#!/usr/bin/env python3
"""Writes the desktop's widget-text translations into the Qt Linguist files.

The table below is the one place a widget text is translated; lupdate keeps the .ts files in
step with the sources, and this script fills in every text it knows (glossary terms as
src/profile/texts/glossary fixes them). Run it after `update_translations`.
  tools/fill_ui_translations.py src/ui/translations
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

# English source -> (hi, ta, te, kn). "&" marks the menu key; the Indian scripts have none.
TEXTS = {
    "&File": ("फ़ाइल", "கோப்பு", "ఫైల్", "ಫೈಲ್"),
    "&Back": ("वापस", "பின்செல்", "వెనుకకు", "ಹಿಂದಕ್ಕೆ"),
    "E&xit": ("बाहर निकलें", "வெளியேறு", "నిష్క్రమించు", "ನಿರ್ಗಮಿಸಿ"),
    "&Help": ("सहायता", "உதவி", "సహాయం", "ಸಹಾಯ"),
    "&Online Help": ("ऑनलाइन सहायता", "இணைய உதவி", "ఆన్‌లైన్ సహాయం", "ಆನ್‌ಲೈನ್ ಸಹಾಯ"),
    "&Visit Us Online": ("हमारी वेबसाइट देखें", "எங்கள் இணையதளம்", "మా వెబ్‌సైట్ చూడండి", "ನಮ್ಮ ಜಾಲತಾಣ ನೋಡಿ"),
    "Check for Software &Update": ("सॉफ़्टवेयर अपडेट जाँचें", "மென்பொருள் புதுப்பிப்பைச் சரிபார்",
                                   "సాఫ్ట్‌వేర్ నవీకరణ తనిఖీ", "ಸಾಫ್ಟ್‌ವೇರ್ ನವೀಕರಣ ಪರಿಶೀಲಿಸಿ"),
    "&About Software": ("सॉफ़्टवेयर के बारे में", "மென்பொருள் பற்றி", "సాఫ్ట్‌వేర్ గురించి", "ಸಾಫ್ಟ್‌ವೇರ್ ಬಗ್ಗೆ"),
    "&Donate": ("दान करें", "நன்கொடை", "విరాళం", "ದೇಣಿಗೆ"),
    "Get My Ghati Lagna": ("मेरा घटी लग्न", "என் கடிகா லக்னம்", "నా ఘటికా లగ్నం", "ನನ್ನ ಘಟಿಕಾ ಲಗ್ನ"),
    "&Get My Ghati Lagna": ("मेरा घटी लग्न", "என் கடிகா லக்னம்", "నా ఘటికా లగ్నం", "ನನ್ನ ಘಟಿಕಾ ಲಗ್ನ"),
    "Click for Latitude && Longitude": ("अक्षांश और देशांतर के लिए क्लिक करें",
                                        "அட்சரேகை, தீர்க்கரேகைக்குச் சொடுக்கவும்",
                                        "అక్షాంశం, రేఖాంశం కోసం క్లిక్ చేయండి",
                                        "ಅಕ್ಷಾಂಶ, ರೇಖಾಂಶಕ್ಕಾಗಿ ಕ್ಲಿಕ್ ಮಾಡಿ"),
    "Daylight Saving Time": ("ग्रीष्मकालीन समय", "பகல் சேமிப்பு நேரம்", "పగటి ఆదా సమయం", "ಹಗಲು ಉಳಿತಾಯ ಸಮಯ"),
    "&Language": ("भाषा", "மொழி", "భాష", "ಭಾಷೆ"),
    "&Paste": ("चिपकाएँ", "ஒட்டு", "అతికించు", "ಅಂಟಿಸಿ"),
    "Personal Details": ("व्यक्तिगत विवरण", "தனிப்பட்ட விவரங்கள்", "వ్యక్తిగత వివరాలు", "ವೈಯಕ್ತಿಕ ವಿವರಗಳು"),
    "Name": ("नाम", "பெயர்", "పేరు", "ಹೆಸರು"),
    "Date of Birth": ("जन्म तिथि", "பிறந்த தேதி", "జన్మ తేదీ", "ಜನನ ದಿನಾಂಕ"),
    "Time of Birth": ("जन्म समय", "பிறந்த நேரம்", "జన్మ సమయం", "ಜನನ ಸಮಯ"),
    "Place Details": ("स्थान विवरण", "இட விவரங்கள்", "ప్రదేశ వివరాలు", "ಸ್ಥಳದ ವಿವರಗಳು"),
    "City": ("शहर", "நகரம்", "నగరం", "ನಗರ"),
    "State": ("राज्य", "மாநிலம்", "రాష్ట్రం", "ರಾಜ್ಯ"),
    "Country": ("देश", "நாடு", "దేశం", "ದೇಶ"),
    "Zone": ("समय क्षेत्र", "நேர மண்டலம்", "కాల మండలం", "ಸಮಯ ವಲಯ"),
    "Latitude": ("अक्षांश", "அட்சரேகை", "అక్షాంశం", "ಅಕ್ಷಾಂಶ"),
    "Longitude": ("देशांतर", "தீர்க்கரேகை", "రేఖాంశం", "ರೇಖಾಂಶ"),
    "North": ("उत्तर", "வடக்கு", "ఉత్తరం", "ಉತ್ತರ"),
    "South": ("दक्षिण", "தெற்கு", "దక్షిణం", "ದಕ್ಷಿಣ"),
    "East": ("पूर्व", "கிழக்கு", "తూర్పు", "ಪೂರ್ವ"),
    "West": ("पश्चिम", "மேற்கு", "పడమర", "ಪಶ್ಚಿಮ"),
    "Deg": ("अंश", "பாகை", "భాగ", "ಅಂಶ"),
    "Min": ("कला", "கலை", "కళ", "ಕಲೆ"),
    "OK": ("ठीक है", "சரி", "సరే", "ಸರಿ"),
    "Ghati Lagna - Chart": ("घटी लग्न - कुंडली", "கடிகா லக்னம் - ஜாதகம்", "ఘటికా లగ్నం - చక్రం",
                            "ಘಟಿಕಾ ಲಗ್ನ - ಕುಂಡಲಿ"),
    "Ghati Lagna Details": ("घटी लग्न विवरण", "கடிகா லக்ன விவரங்கள்", "ఘటికా లగ్నం వివరాలు",
                            "ಘಟಿಕಾ ಲಗ್ನದ ವಿವರಗಳು"),
}

# Qt's own buttons (QMessageBox, QDialogButtonBox), under Qt's contexts: Debian's Qt has no
# catalogue for these languages.
QT_BUTTONS = {
    "OK": ("ठीक है", "சரி", "సరే", "ಸರಿ"),
    "Cancel": ("रद्द करें", "ரத்து", "రద్దు", "ರದ್ದುಮಾಡಿ"),
    "&Yes": ("हाँ", "ஆம்", "అవును", "ಹೌದು"),
    "&No": ("नहीं", "இல்லை", "కాదు", "ಇಲ್ಲ"),
    "Yes to &All": ("सभी के लिए हाँ", "அனைத்துக்கும் ஆம்", "అన్నింటికీ అవును", "ಎಲ್ಲಕ್ಕೂ ಹೌದು"),
    "N&o to All": ("सभी के लिए नहीं", "அனைத்துக்கும் இல்லை", "అన్నింటికీ కాదు", "ಎಲ್ಲಕ್ಕೂ ಇಲ್ಲ"),
    "Save": ("सहेजें", "சேமி", "సేవ్ చేయి", "ಉಳಿಸಿ"),
    "Open": ("खोलें", "திற", "తెరువు", "ತೆರೆಯಿರಿ"),
    "Close": ("बंद करें", "மூடு", "మూసివేయి", "ಮುಚ್ಚಿ"),
    "Apply": ("लागू करें", "பயன்படுத்து", "వర్తింపజేయి", "ಅನ್ವಯಿಸಿ"),
    "Discard": ("छोड़ें", "நிராகரி", "విస్మరించు", "ತ್ಯಜಿಸಿ"),
    "Abort": ("रोकें", "நிறுத்து", "ఆపివేయి", "ನಿಲ್ಲಿಸಿ"),
    "Retry": ("पुनः प्रयास करें", "மீண்டும் முயல்", "మళ్లీ ప్రయత్నించు", "ಮತ್ತೆ ಪ್ರಯತ್ನಿಸಿ"),
    "Ignore": ("अनदेखा करें", "புறக்கணி", "విస్మరించు", "ನಿರ್ಲಕ್ಷಿಸಿ"),
    "Help": ("सहायता", "உதவி", "సహాయం", "ಸಹಾಯ"),
}
QT_CONTEXTS = ["QPlatformTheme", "QDialogButtonBox", "QMessageBox"]

COLUMN = {"hi": 0, "ta": 1, "te": 2, "kn": 3}


def fill(path: Path) -> int:
    code = path.stem.split("_", 1)[1]
    tree = ET.parse(path)
    root = tree.getroot()
    root.set("language", code)
    missing = 0
    for context in [c for c in root.findall("context")
                    if c.findtext("name") in QT_CONTEXTS]:
        root.remove(context)
    for message in root.iter("message"):
        source = message.findtext("source")
        translation = message.find("translation")
        if code == "en_SA":
            text = source  # English with Sanskrit names: the widget texts are English
        elif source in TEXTS:
            text = TEXTS[source][COLUMN[code]]
        else:
            missing += 1
            continue
        translation.text = text
        translation.attrib.pop("type", None)
    for name in QT_CONTEXTS:
        context = ET.SubElement(root, "context")
        ET.SubElement(context, "name").text = name
        for source, texts in QT_BUTTONS.items():
            message = ET.SubElement(context, "message")
            ET.SubElement(message, "source").text = source
            ET.SubElement(message, "translation").text = (
                source if code == "en_SA" else texts[COLUMN[code]])
    ET.indent(tree)
    tree.write(path, encoding="utf-8", xml_declaration=True)
    return missing


def main() -> int:
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "src/ui/translations")
    status = 0
    for path in sorted(folder.glob("kalodaya_*.ts")):
        missing = fill(path)
        print(f"{path.name}: {missing} texts left in English")
        status |= missing > 0 and not path.stem.endswith("en_SA")
    return 0


if __name__ == "__main__":
    sys.exit(main())
