#!/usr/bin/env python3
"""A small FTP server on 127.0.0.1 for the update check tests.

Serves the folder given by --root to the user "zelkupdate" with the password given by
--password, on a free port that it prints as "PORT <n>" once it listens. --silent makes it
accept connections and never answer, like a server that hangs. The server ends by itself after
--lifetime seconds so that a test that dies cannot leave it behind.
"""
import argparse
import socket
import sys
import threading
import time


def serve_silent(lifetime):
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    print("PORT %d" % listener.getsockname()[1], flush=True)
    held = []
    listener.settimeout(0.2)
    end = time.monotonic() + lifetime
    while time.monotonic() < end:
        try:
            connection, _ = listener.accept()
            held.append(connection)
        except socket.timeout:
            pass


def serve_ftp(root, password, lifetime):
    import logging
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    logging.basicConfig(level=logging.CRITICAL)
    authorizer = DummyAuthorizer()
    authorizer.add_user("zelkupdate", password, root, perm="elr")
    handler = FTPHandler
    handler.authorizer = authorizer
    handler.auth_failed_timeout = 0
    handler.passive_ports = None
    handler.masquerade_address = None
    server = FTPServer(("127.0.0.1", 0), handler)
    print("PORT %d" % server.socket.getsockname()[1], flush=True)
    threading.Timer(lifetime, server.close_all).start()
    server.serve_forever(timeout=0.2, blocking=True, handle_exit=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", default=".")
    parser.add_argument("--password", default="")
    parser.add_argument("--silent", action="store_true")
    parser.add_argument("--lifetime", type=float, default=120.0)
    arguments = parser.parse_args()
    if arguments.silent:
        serve_silent(arguments.lifetime)
    else:
        serve_ftp(arguments.root, arguments.password, arguments.lifetime)
    return 0


if __name__ == "__main__":
    sys.exit(main())
