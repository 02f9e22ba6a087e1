"""The host names the program asks for, read from the one C++ header that
holds them, so that the site and the program cannot drift apart."""

import ipaddress
import re
from urllib.parse import urlsplit

# String constants in the forms a header may write them:
#   #define NAME L"value"      const wchar_t NAME[] = L"value";
#   constexpr const wchar_t* NAME = L"value";
_CONSTANT = re.compile(r'(?:#define\s+(\w+)\s+|(\w+)\s*(?:\[\s*\])?\s*=\s*)(?:L|u8|u)?"([^"]*)"')


def read_constants(header_text):
    return [(define or assigned, value) for define, assigned, value in _CONSTANT.findall(header_text)]


def _host_of(value):
    if "://" in value:
        return urlsplit(value).hostname or ""
    return value.split("/")[0].split(":")[0]


def _is_own_address(host):
    if host.lower() == "localhost":
        return True
    try:
        ipaddress.ip_address(host.strip("[]"))
        return True
    except ValueError:
        return False


class Hosts:
    """Host names of the ticket site, the statistics site and the server of
    the info file; None where unknown (any host is then accepted)."""

    def __init__(self, ticket=None, statistics=None, info=None):
        self.ticket = ticket
        self.statistics = statistics
        self.info = info

    @staticmethod
    def from_header(path):
        with open(path, encoding="utf-8", errors="replace") as f:
            constants = read_constants(f.read())
        hosts = Hosts()
        for name, value in constants:
            upper = name.upper()
            if not value:
                continue
            if "STAT" in upper and hosts.statistics is None:
                hosts.statistics = _host_of(value)
            elif "TICKET" in upper and hosts.ticket is None:
                hosts.ticket = _host_of(value)
            elif ("INFO" in upper or "DOWNLOAD" in upper or "UPDATE" in upper) and hosts.info is None:
                hosts.info = _host_of(value)
        return hosts

    def override(self, ticket=None, statistics=None, info=None):
        self.ticket = ticket or self.ticket
        self.statistics = statistics or self.statistics
        self.info = info or self.info
        return self

    def serves(self, kind, host):
        """Whether a page kind may be asked of this host. The site's own
        address (numeric, or localhost), as a browser given a program's
        address with the site in place of the host asks for it, serves
        every page."""
        if host is not None and _is_own_address(host):
            return True
        if kind in ("statistics",):
            expected = self.statistics
        elif kind == "info":
            expected = self.info
        else:
            expected = self.ticket
        return expected is None or host is None or host.lower() == expected.lower()

    def __repr__(self):
        return "ticket=%s statistics=%s info=%s" % (self.ticket, self.statistics, self.info)
