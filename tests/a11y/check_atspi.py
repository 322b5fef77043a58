#!/usr/bin/python3
"""The program as a screen reader sees it, through AT-SPI: starts the program
with accessibility on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1) in a folder whose
question file begins with a system that has infinitely many solutions, finds
every named control by its Japanese name, opens the matrix calculator from
the start window, reads its pictures and works one operation, closes it,
works one step with the drill panel's buttons through their AT-SPI actions,
answers the special-solution choice, reads the step pictures' descriptions,
and opens the record view from the menu to hear the question just solved.

    check_atspi.py <program> <folder to start in>

Run it inside a D-Bus session on an X display (tools/a11y.sh does that).
"""
import os
import subprocess
import sys
import time

import pyatspi

APP_NAME = "Tabulon 行列と連立方程式"

START_WINDOW = ["行列と連立方程式　Tabulon 数学Ｃ", "行列の学習", "連立方程式", "ヘルプ", "終了"]
DRILL_PANEL = ["第1行", "第2行", "第3行", "第4行", "たす", "ひく", "かける", "わる", "入れ替え",
               "実行", "訂正", "次の問題", "ワークシートを先へ送る", "ワークシートを前へ戻す",
               "小数点", "マイナス", "分の", "クリア"]
CHOICE_WINDOW = ["解なし", "解は無数にある"]
CALCULATOR = ["行列Ａ", "行列Ｂ", "行列Ｃ（演算結果）", "行列Ｄ（記憶用）", "デルタ", "デルタの値",
              "かける", "ＡたすＢ", "ＡひくＢ", "ＡかけるＢ", "Ａの2乗をＣへ", "Ｂの2乗をＣへ",
              "Ａの累乗の指数", "Ｂの累乗の指数", "Ａの係数を1に戻す", "Ｂの係数を1に戻す",
              "係数をＡの成分にかける", "係数をＤの成分にかける", "係数でＡをくくる",
              "係数でＣをくくる", "Ａの逆行列をＣへ", "Ｂの逆行列をＣへ", "ＣをＡへコピー",
              "ＤをＢへコピー", "ＣをＤへコピー", "閉じる"]

failures = []


def check(ok, what):
    print(("  ok    " if ok else "  FAIL  ") + what)
    if not ok:
        failures.append(what)


def walk(node, depth=0):
    yield node
    if depth > 40:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find_app(timeout=30):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == APP_NAME:
                return app
        time.sleep(0.3)
    return None


def shown_windows(app):
    """The program's top-level windows that show: a window closed again stays
    in the tree, and its controls must not answer for those of another."""
    for i in range(app.childCount):
        try:
            w = app.getChildAtIndex(i)
            if w is not None and w.getState().contains(pyatspi.STATE_SHOWING):
                yield w
        except Exception:
            pass


def named(root):
    found = {}
    try:
        application = root.getRole() == pyatspi.ROLE_APPLICATION
    except Exception:
        application = False
    roots = list(shown_windows(root)) if application else [root]
    for node in (n for r in roots for n in walk(r)):
        try:
            if node.name and node.name not in found:
                found[node.name] = node
        except Exception:
            pass
    return found


def wait_for(app, predicate, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        nodes = named(app)
        result = predicate(nodes)
        if result:
            return result
        time.sleep(0.3)
    return None


def top_window(app, title):
    """The shown top-level window of the program with this title, or None."""
    for w in shown_windows(app):
        try:
            if w.name == title:
                return w
        except Exception:
            pass
    return None


def wait_window(app, title, timeout=15):
    """Waits for the window to show; returns it, or None."""
    end = time.time() + timeout
    while time.time() < end:
        window = top_window(app, title)
        if window is not None:
            return window
        time.sleep(0.3)
    return None


def wait_closed(app, title, timeout=15):
    end = time.time() + timeout
    while time.time() < end:
        if top_window(app, title) is None:
            return True
        time.sleep(0.3)
    return False


def find_role(root, name, role):
    """A control below `root` (not `root` itself) with this name and role."""
    for node in walk(root):
        if node == root:
            continue
        try:
            if node.name == name and node.getRole() == role:
                return node
        except Exception:
            pass
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click", "activate"):
            action.doAction(i)
            return True
    return False


def description(nodes, name):
    node = nodes.get(name)
    return node.description if node is not None else None


def check_calculator(app, start):
    """行列の学習 from the start window: the calculator's named controls, its
    pictures' descriptions before and after Ａ＋Ｂ, and 閉じる."""
    print("matrix calculator:")
    button = (start or {}).get("行列の学習")
    check(button is not None and press(button), "press 「行列の学習」")
    window = wait_window(app, "行列の学習")
    check(window is not None, "the calculator opens")
    if window is None:
        return
    nodes = wait_for(window, lambda n: n if description(n, "行列Ｃ（演算結果）") else None)
    for name in CALCULATOR:
        check(nodes is not None and name in nodes, f"「{name}」")
    if nodes is None:
        return
    check(description(nodes, "行列Ａ") == "［1, 0］［0, 1］",
          "行列Ａ says its rows: " + str(description(nodes, "行列Ａ")))
    check(description(nodes, "行列Ｃ（演算結果）") == "Ａ×Ｂ　［1, 0］［0, 1］",
          "行列Ｃ says the product: " + str(description(nodes, "行列Ｃ（演算結果）")))
    press(nodes["ＡたすＢ"])
    # The picture and the operator between A and B change together, but a
    # screen reader hears of each on its own: wait until both have arrived.
    nodes = wait_for(window, lambda n: n if description(n, "行列Ｃ（演算結果）") ==
                     "Ａ＋Ｂ　［2, 0］［0, 2］" and "たす" in n else None, timeout=5)
    now = nodes if nodes is not None else named(window)
    check(description(now, "行列Ｃ（演算結果）") == "Ａ＋Ｂ　［2, 0］［0, 2］",
          "after ＡたすＢ 行列Ｃ says the sum: " + str(description(now, "行列Ｃ（演算結果）")))
    check("たす" in now, "the operator is read 「たす」")
    check(press(named(window)["閉じる"]), "press 「閉じる」")
    check(wait_closed(app, "行列の学習"), "the calculator closes")


def check_records(app):
    """表示 → 記録 from the frame's menu: the listing is found by its name and
    the question just solved is read as a count, then 閉じる."""
    print("record view:")
    item = find_role(app, "記録(R)", pyatspi.ROLE_MENU_ITEM)
    check(item is not None, "menu item 「記録(R)」")
    if item is None:
        return
    # The menu command shows the record view modally before it answers: give
    # the call a short time, and go on while the window is open.
    pyatspi.setTimeout(1000, 15000)
    try:
        press(item)
    except Exception:
        pass
    finally:
        pyatspi.setTimeout(25000, 15000)
    window = wait_window(app, "練習の記録")
    check(window is not None, "the record view opens")
    if window is None:
        return
    check(find_role(window, "練習の記録", pyatspi.ROLE_LIST) is not None, "list 「練習の記録」")
    nodes = wait_for(window, lambda n: n if "問題1　1回" in n else None, timeout=5)
    check(nodes is not None, "the solved question is read 「問題1　1回」")
    close = find_role(window, "閉じる", pyatspi.ROLE_PUSH_BUTTON)
    check(close is not None and press(close), "press 「閉じる」")
    check(wait_closed(app, "練習の記録"), "the record view closes")


def main():
    program, folder = sys.argv[1], sys.argv[2]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb", XDG_CONFIG_HOME=os.path.join(folder, "config"))
    # The accessibility bus and its registry first: a program that starts while
    # they are still being activated may never be listed on the desktop.
    pyatspi.Registry.getDesktop(0).childCount
    time.sleep(1)
    proc = subprocess.Popen([program], cwd=folder, env=env, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    try:
        app = find_app()
        if app is None:
            sys.exit("the program did not appear on the accessibility bus")
        print("start window:")
        nodes = wait_for(app, lambda n: n if "連立方程式" in n else None)
        for name in START_WINDOW:
            check(nodes is not None and name in nodes, f"「{name}」")

        check_calculator(app, nodes)
        nodes = wait_for(app, lambda n: n if "連立方程式" in n else None)

        print("drill panel and worksheet:")
        press(nodes["連立方程式"])
        nodes = wait_for(app, lambda n: n if "つぎの連立方程式" in (description(n, "図1") or "")
                         else None)
        for name in DRILL_PANEL:
            check(nodes is not None and name in nodes, f"「{name}」")
        check(nodes is not None and description(nodes, "図1") ==
              "x+2y=3、2x+4y=6　1(1)つぎの連立方程式を解きなさい",
              "図1 says the question: " + str(description(nodes, "図1")))
        check(nodes is not None and description(nodes, "図2") ==
              "係数の行列を作ると　［1, 2 | 3］［2, 4 | 6］",
              "図2 says the matrix: " + str(description(nodes, "図2")))

        # Row 2 minus row 1 times 2: a zero row, so the choice window opens.
        for name in ["第2行", "ひく", "第1行", "かける", "２", "実行"]:
            node = named(app).get(name)
            check(node is not None and press(node), f"press 「{name}」")
            time.sleep(0.3)
        print("special-solution choice:")
        nodes = wait_for(app, lambda n: n if all(c in n for c in CHOICE_WINDOW) else None)
        for name in CHOICE_WINDOW:
            check(nodes is not None and name in nodes, f"「{name}」")
        if nodes is not None:
            press(nodes["解は無数にある"])
        nodes = wait_for(app, lambda n: n if "【答】" in (description(n, "図4") or "") else None)
        check(nodes is not None and description(nodes, "図3") ==
              "第2行から第1行の2倍をひくと　［1, 2 | 3］［0, 0 | 0］",
              "図3 says the step: " + str(nodes and description(nodes, "図3")))
        check(nodes is not None and "【答】解は無数にある" in (description(nodes, "図4") or ""),
              "図4 says the answer: " + str(nodes and description(nodes, "図4")))

        check_records(app)
    finally:
        proc.kill()
        proc.wait()
    if failures:
        sys.exit(f"{len(failures)} accessibility checks failed")
    print("every named control was found through AT-SPI")


if __name__ == "__main__":
    main()
