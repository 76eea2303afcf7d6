#!/usr/bin/python3
"""A remote app's view of the Zolvo web service, through the suds SOAP client.

Usage: suds_client.py WSDL_URL CALLS_JSON

Reads the WSDL from the service, checks that it offers the 18 operations at
the address the WSDL was fetched from, and makes the calls listed in the
JSON file, in order, comparing each answer with the one expected:

    [{"op": "getappname", "args": [0, 1], "response": "Radio", "error": ""},
     {"op": "getAppImage", "args": [0, 1], "base64": "<bytes>", "error": "NOERROR"}]

"response" is compared as text; "base64" compares the decoded bytes, since
line breaks inside the Base64 text are not part of the data. Every operation
must be called at least once. Prints one line per failure and exits 1 when
there was any.
"""

import base64
import json
import logging
import sys
from urllib.parse import urlsplit

from suds.client import Client

OPERATIONS = [
    "getroomcount", "getappcount", "getroomname", "getappname", "getappcode", "dimapp",
    "isappdimmable", "isappoudModel", "apparaatAan", "apparaatUit", "getAppImage",
    "getscenecount", "getscenename", "sceneActivate", "apparaatWakeUp", "getwebserverinfo",
    "setImage", "isDutch",
]


def text(value):
    """suds gives None for an empty element."""
    return "" if value is None else str(value)


def main():
    # The result object travels inside the response element, where suds does
    # not look for multi-references; it logs so, then reads the object as the
    # first child all the same.
    logging.getLogger("suds.bindings.multiref").setLevel(logging.CRITICAL)
    logging.getLogger("suds.umx.typed").setLevel(logging.CRITICAL)
    wsdl_url, calls_file = sys.argv[1], sys.argv[2]
    with open(calls_file, encoding="utf-8") as f:
        calls = json.load(f)
    failures = []

    client = Client(wsdl_url, cache=None)
    port = client.wsdl.services[0].ports[0]
    offered = [method.name for method in port.methods.values()]
    if sorted(offered) != sorted(OPERATIONS):
        failures.append(f"the WSDL offers {sorted(offered)}")
    wsdl = urlsplit(wsdl_url)
    expected_location = f"{wsdl.scheme}://{wsdl.netloc}/soap/Ivantlo"
    location = port.methods["getroomcount"].location
    if location != expected_location:
        failures.append(f"the SOAP address is {location}, not {expected_location}")

    called = set()
    for call in calls:
        op, args = call["op"], call["args"]
        called.add(op)
        label = f"{op}({', '.join(map(repr, args))})"
        try:
            answer = getattr(client.service, op)(*args)
        except Exception as error:  # a fault or a transport error: report, go on
            failures.append(f"{label} failed: {error}")
            continue
        response, error = text(answer.response), text(answer.error)
        if error != call["error"]:
            failures.append(f"{label}: error {error!r}, expected {call['error']!r}")
        if "base64" in call:
            expected = base64.b64decode(call["base64"])
            if base64.b64decode(response) != expected:
                failures.append(f"{label}: {len(base64.b64decode(response))} other bytes, expected {len(expected)}")
        elif response != call["response"]:
            failures.append(f"{label}: response {response!r}, expected {call['response']!r}")

    for op in OPERATIONS:
        if op not in called:
            failures.append(f"{op} was not called")
    for failure in failures:
        print(failure)
    if not failures:
        print(f"ok: {len(calls)} calls")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
