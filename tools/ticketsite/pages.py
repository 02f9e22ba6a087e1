"""The pages of the simulated sites, rendered from a scenario at a moment.

Ticket pages are HTML in Windows-1252 in the shape the program's patterns
read: match rows of nine icons, team rows of six cells, detail pages with
category blocks and "<input" offers. The statistics page carries the
JavaScript arrays; the info file lists web pages.
"""

import datetime
import html
from urllib.parse import parse_qs

from sitedata import GROUPS, MATCHES, TEAMS, WEEKDAYS

CHARSET = "windows-1252"
ICONS = {0: "tickets_no", 1: "tickets_yes", 2: "tickets_ltl"}

RESALE_LIST_PATH = "/cgi-bin/ds_wmd?fun=pksbyeventreihe&doc=ds_einzel1&id=WMD_NO_SESSION&affiliate=wmd&key=0"
TST_LIST_PATH = "/cgi-bin/ds_wmd?fun=eventsbykat&doc=ds_tst1&id=WMD_NO_SESSION&affiliate=wmd&key=wm_tst"
RESALE_DETAIL_PATH = ("/cgi-bin/ds_wmd?affiliate=wmd&id=WMD_NO_SESSION&fun=list_resale_packages"
                      "&doc=rs_einzel1&key=%d&target=1")
# Relative to /cgi-bin/, as the team rows link it.
TST_DETAIL_LINK = "ds_wmd?fun=list_resale_packages&doc=rs_tst1&id=WMD_NO_SESSION&affiliate=wmd&key=%d"


def classify(path):
    """(kind, number) of a request path with its query; kind None: unknown."""
    base, _, query = path.partition("?")
    if base == "/Statistics.aspx":
        return "statistics", None
    if base.endswith("/wm-info.xml"):
        return "info", None
    if base != "/cgi-bin/ds_wmd":
        return None, None
    args = {k: v[0] for k, v in parse_qs(query, keep_blank_values=True).items()}
    fun, doc = args.get("fun"), args.get("doc")
    if fun == "pksbyeventreihe" and doc == "ds_einzel1":
        return "resale-list", None
    if fun == "eventsbykat" and doc == "ds_tst1":
        return "tst-list", None
    if fun == "list_resale_packages" and doc in ("rs_einzel1", "rs_tst1"):
        try:
            number = int(args.get("key", ""))
        except ValueError:
            return None, None
        if doc == "rs_einzel1" and 1 <= number <= 64:
            return "resale-detail", number
        if doc == "rs_tst1" and number in TEAMS:
            return "tst-detail", number
    return None, None


def encode(text):
    return text.encode(CHARSET, errors="xmlcharrefreplace")


def _page(title, body):
    return """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">
<title>%s</title>
<link rel="stylesheet" type="text/css" href="/wmd/css/tickets.css">
<script type="text/javascript" src="/wmd/js/navigation.js"></script>
</head>
<body>
<div id="kopf"><img src="/wmd/img/logo.gif" width="180" height="60" alt="Ticketportal"></div>
<div id="navigation">
<ul>
<li><a href="/cgi-bin/ds_wmd?fun=start&amp;id=WMD_NO_SESSION&amp;affiliate=wmd">Startseite</a></li>
<li><a href="%s">Einzeltickets</a></li>
<li><a href="%s">Team-Tickets (TST)</a></li>
<li><a href="/cgi-bin/ds_wmd?fun=faq&amp;id=WMD_NO_SESSION&amp;affiliate=wmd">H&auml;ufige Fragen</a></li>
</ul>
</div>
<div id="inhalt">
%s
</div>
<div id="fuss">Alle Angaben ohne Gew&auml;hr. Preise in EUR inkl. Geb&uuml;hren.</div>
</body>
</html>
""" % (title, html.escape(RESALE_LIST_PATH), html.escape(TST_LIST_PATH), body)


def maintenance_page():
    return encode(_page("Wartungsarbeiten", """<h1>Wartungsarbeiten</h1>
<p>Das Ticketportal ist wegen Wartungsarbeiten vorübergehend nicht erreichbar.
Bitte versuchen Sie es später noch einmal.</p>"""))


def _icon(state, alt):
    return '<img src="/wmd/img/%s.gif" width="16" height="16" border="0" alt="%s">' % (ICONS[state], alt)


def _match_row(match, scenario, t, broken):
    resale = scenario.match_resale(match.number, t)
    cells = ['<td class="nr">#%d</td>' % match.number,
             '<td class="datum">%s %s<br>%s Uhr</td>' % (
                 WEEKDAYS[match.when.weekday()], match.when.strftime("%d.%m.%Y"), match.when.strftime("%H:%M")),
             '<td class="ort">%s</td>' % html.escape(match.city),
             '<td class="spiel">%s</td>' % html.escape(match.title)]
    for category in range(1, 5):
        state = scenario.match_icon(match.number, False, category, t)
        cells.append('<td class="kat">%s</td>' % _icon(state, "Kat. %d" % category))
    if broken:
        # A row that lost its resale icon: eight icons, which no reader may accept.
        cells.append('<td class="resale">&nbsp;</td>')
    elif resale:
        cells.append('<td class="resale"><a href="%s"><img src="/wmd/img/resale_yes_de.gif" width="40" '
                     'height="16" border="0" alt="Resale"></a></td>'
                     % html.escape(RESALE_DETAIL_PATH % match.number))
    else:
        cells.append('<td class="resale"><img src="/wmd/img/resale_no_de.gif" width="40" height="16" '
                     'border="0" alt="kein Resale"></td>')
    for category in range(1, 5):
        state = scenario.match_icon(match.number, True, category, t)
        cells.append('<td class="kat sb">%s</td>' % _icon(state, "Kat. %d s.b." % category))
    cells.append('<td class="hinweis"><div class="hinweis">%s</div></td>'
                 % ("Resale" if resale else "&nbsp;"))
    return "<tr>\n" + "\n".join(cells) + "\n</tr>"


def resale_list_page(scenario, t):
    rule = scenario.pages["resale-list"]
    if rule.content == "maintenance":
        return maintenance_page()
    if rule.content == "empty":
        return b""
    rows = [_match_row(m, scenario, t, rule.content == "broken" and m.number == 33) for m in MATCHES]
    head = ('<tr class="kopf"><th>Nr.</th><th>Datum</th><th>Stadion</th><th>Begegnung</th>'
            + "".join("<th>Kat. %d</th>" % c for c in range(1, 5)) + "<th>Resale</th>"
            + "".join("<th>Kat. %d s.b.</th>" % c for c in range(1, 5)) + "<th>Hinweis</th></tr>")
    body = """<h1>Einzeltickets nach Spielen</h1>
<p>Die Symbole zeigen, in welchen Kategorien Tickets erhältlich sind:
<img src="/wmd/img/legende_ja.gif" alt="erhältlich"> erhältlich,
<img src="/wmd/img/legende_wenig.gif" alt="wenige"> nur noch wenige Tickets.
Kategorien mit dem Zusatz s.b. sind Plätze mit eingeschränkter Sicht.</p>
<table class="liste" cellspacing="0" cellpadding="2">
%s
%s
</table>""" % (head, "\n".join(rows))
    return encode(_page("Einzeltickets", body))


def _team_name(name, style):
    if style == "numeric":
        return "".join(c if ord(c) < 128 else "&#%d;" % ord(c) for c in name)
    if style == "entity":
        return html.escape(name).replace("ü", "&uuml;").replace("ä", "&auml;").replace("ö", "&ouml;")
    return name


def _team_row(team, scenario, t, style, stripe):
    name = _team_name(TEAMS[team], style)
    if style == "utf8":
        # Bytes of another code page: the page shows the name garbled.
        name = name.encode("utf-8").decode(CHARSET, errors="replace")
    cells = ['<td class="team">\n%s\n</td>' % name]
    for series in range(3, 8):
        cells.append('<td class="tst">%s</td>' % _icon(scenario.team_icon(team, series, t), "TST-%d" % series))
    if scenario.team_resale(team, t):
        cells.append('<td class="resale"><a href="%s" class="resale"><img src="/wmd/img/resale_yes_de.gif" '
                     'width="40" height="16" border="0" alt="Resale"></a></td>' % (TST_DETAIL_LINK % team))
    else:
        cells.append('<td class="resale"><img src="/wmd/img/resale_no_de.gif" width="40" height="16" '
                     'border="0" alt="kein Resale"></td>')
    return '<tr class="z%d">\n%s\n</tr>' % (stripe, "\n".join(cells))


def tst_list_page(scenario, t):
    rule = scenario.pages["tst-list"]
    if rule.content == "maintenance":
        return maintenance_page()
    if rule.content == "empty":
        return b""
    sections = []
    stripe = 0
    for letter, teams in GROUPS:
        rows = []
        for team in teams:
            rows.append(_team_row(team, scenario, t, rule.names, stripe % 2 + 1))
            stripe += 1
        if rule.content == "broken" and letter == "C":
            # A team row with a seventh cell image.
            rows[0] = rows[0].replace("</tr>", '<td><img src="/wmd/img/neu.gif"></td>\n</tr>')
        sections.append("""<h2>Gruppe %s</h2>
<table class="tst" cellspacing="0" cellpadding="2">
<tr class="kopf"><td>Mannschaft</td><td>TST 3</td><td>TST 4</td><td>TST 5</td><td>TST 6</td><td>TST 7</td><td>Resale</td></tr>
%s
</table>""" % (letter, "\n".join(rows)))
    body = """<h1>Team-Tickets (TST)</h1>
<p>Mit einem Team-Ticket-Serie (TST) sehen Sie alle Spiele Ihrer Mannschaft.
TST 3 umfasst die drei Gruppenspiele, TST 7 alle Spiele bis zum Finale.</p>
%s""" % "\n".join(sections)
    return encode(_page("Team-Tickets", body))


def _detail_stand_in(rule):
    """The answer of a detail page that is not the page itself, or None."""
    if rule.content == "maintenance":
        return maintenance_page()
    if rule.content == "empty":
        return b""
    return None


def resale_detail_page(scenario, t, number):
    rule = scenario.pages["resale-detail"]
    stand_in = _detail_stand_in(rule)
    if stand_in is not None:
        return stand_in
    match = MATCHES[number - 1]
    # Sold out: the list may still link the page, which offers nothing.
    offered = () if rule.content == "sold-out" else scenario.match_resale(number, t)
    blocks = []
    for category in range(1, 5):
        for sb in (False, True):
            heading = "Platzkategorie %d%s" % (category, " s.b." if sb else "")
            if (sb, category) in offered:
                content = ('<tr><td><input type="radio" name="paket" value="%d%d%d"></td>'
                           '<td>2 Tickets nebeneinander</td><td>%d,00 EUR</td></tr>'
                           % (number, category, int(sb), 200 - 40 * category))
            else:
                content = '<tr><td colspan="3">Zur Zeit keine Tickets in dieser Kategorie.</td></tr>'
            blocks.append('<tr><td colspan="3" class="kat"><strong>%s</strong></td></tr>\n%s' % (heading, content))
    if rule.content == "broken":
        blocks.pop()  # seven blocks: no reader may take the page
    body = """<h1>Resale: Spiel #%d</h1>
<h2>%s, %s, %s Uhr</h2>
<form action="/cgi-bin/ds_wmd" method="post">
<input type="hidden" name="fun" value="reserve_resale">
<table class="resale" cellspacing="0" cellpadding="2">
%s
</table>
</form>""" % (number, html.escape(match.title), html.escape(match.city), match.when.strftime("%d.%m.%Y %H:%M"),
              "\n".join(blocks))
    return encode(_page("Resale Spiel %d" % number, body))


def tst_detail_page(scenario, t, team):
    rule = scenario.pages["tst-detail"]
    stand_in = _detail_stand_in(rule)
    if stand_in is not None:
        return stand_in
    series = () if rule.content == "sold-out" else scenario.team_resale(team, t)
    if series:
        rows = "\n".join('<tr><td><input type="radio" name="paket" value="%d%02d"> TST-%d '
                         'Kategorie 3, 1 Ticket</td><td>%d,00 EUR</td></tr>' % (team, s, s, 35 * s)
                         for s in series)
    else:
        rows = '<tr><td colspan="2">Zur Zeit werden keine Team-Tickets angeboten.</td></tr>'
    body = """<h1>Resale: Team-Tickets %s</h1>
<p>Angeboten werden Serien von TST-3 bis TST-7.</p>
<form action="/cgi-bin/ds_wmd" method="post">
<table class="resale" cellspacing="0" cellpadding="2">
%s
</table>
</form>""" % (_team_name(TEAMS[team], "entity"), rows)
    return encode(_page("Resale TST", body))


def _js_array(name, items, trailing_comma):
    quoted = ",".join("'%s'" % item.replace("'", "") for item in items)
    if items and trailing_comma:
        quoted += ","
    return "var %s = new Array(%s);" % (name, quoted)


def statistics_page(scenario, t, started):
    rule = scenario.pages["statistics"]
    if rule.content == "maintenance":
        return encode("<html><body><h1>Die Statistik wird gerade neu berechnet.</h1></body></html>")
    if rule.content == "empty":
        return b""
    columns = {name: [] for name in ("sdf", "sdt", "sC1", "sC2", "sc", "sd", "stst", "sC", "srsl")}

    def stamp(seconds):
        return (started + datetime.timedelta(seconds=seconds)).strftime("%d.%m.%Y %H:%M:%S")

    for offer, start, end in scenario.periods(t):
        columns["sdf"].append(stamp(start))
        columns["sdt"].append(stamp(min(end, t) if end is not None else t))
        if offer.match:
            match = MATCHES[offer.match - 1]
            columns["sC1"].append(match.first)
            columns["sC2"].append(match.second)
            columns["sc"].append(match.city)
            columns["sd"].append(match.when.strftime("%d.%m.%Y %H:%M:%S"))
            columns["stst"].append("0")
            columns["sC"].append(str(offer.category + (4 if offer.sb else 0)))
        else:
            columns["sC1"].append(TEAMS[offer.team])
            columns["sC2"].append("")
            columns["sc"].append("")
            columns["sd"].append("")
            columns["stst"].append("1")
            columns["sC"].append(str(offer.series))
        columns["srsl"].append("1" if offer.resale else "0")
    if rule.content == "broken":
        del columns["sd"]
    script = "\n".join(_js_array(name, items, rule.trailing_comma) for name, items in columns.items())
    return encode("""<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN">
<html>
<head><title>Ticket-Statistik</title>
<script type="text/javascript">
//<![CDATA[
%s
var sCount = %d;
//]]>
</script>
</head>
<body>
<form name="form1" method="post" action="Statistics.aspx" id="form1">
<div id="statistik"></div>
</form>
</body>
</html>
""" % (script, len(columns["sdf"])))


def info_file(scenario, ticket_host):
    rule = scenario.pages["info"]
    if rule.content == "empty":
        return b""
    pages = scenario.webpages
    if pages is None:
        pages = [
            {"name": "Einzeltickets (Resale)", "url": "http://%s%s" % (ticket_host, RESALE_LIST_PATH)},
            {"name": "Team-Tickets (TST)", "url": "http://%s%s" % (ticket_host, TST_LIST_PATH)},
        ]
    entries = "\n".join("  <WebPage>\n    <Name>%s</Name>\n    <Url>%s</Url>\n  </WebPage>"
                        % (html.escape(p.get("name", ""), quote=False), html.escape(p.get("url", ""), quote=False))
                        for p in pages)
    body = ('<?xml version="1.0" encoding="UTF-8"?>\n<Info>\n%s\n</Info>\n' % entries).encode("utf-8")
    # A file that ends in zero bytes of its own, which a download must keep.
    return body + b"\0\0" if rule.content == "trailing-zeros" else body
